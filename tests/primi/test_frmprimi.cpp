#include "support/windows.h"

#include <QLineEdit>
#include <QPlainTextEdit>

class TestFrmprimi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { closeAll(); }

    // Each row types its inputs in turn, each followed by Enter (or a click on "Calcola"
    // after a "*"), and checks what shows last.
    void calculates_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("list"); // under its heading
        QTest::newRow("12") << QStringList{"12"} << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("grouped as the locale groups") << QStringList{"1001*"} << "1.001 non è primo, ha 6 divisori"
                                                      << "7 - 11 - 13 - 77 - 91 - 143";
        QTest::newRow("1") << QStringList{"1"} << "1 non è primo" << "hidden";
        QTest::newRow("a prime hides the list") << QStringList{"12", "97*"} << "97 è primo" << "hidden";
        QTest::newRow("list replaced") << QStringList{"12", "9"} << "9 non è primo, ha 1 divisore" << "3";
        QTest::newRow("refused first") << QStringList{"abc"} << "hidden" << "hidden";
        for (const char *refused : {"", "0", "50000001*", "12.5"})
            QTest::addRow("refused '%s' keeps the answer", refused)
                << QStringList{"12", refused} << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
    }
    void calculates()
    {
        QFETCH(QStringList, inputs);
        ui::Form *w = open(QStringLiteral("frmprimi"));
        auto *txt = control<QLineEdit>(w, QStringLiteral("txt"));
        for (QString input : inputs) {
            const bool click = input.endsWith(u'*');
            QTest::keyClicks(QApplication::focusWidget(), input.remove(u'*'));
            if (click)
                QTest::mouseClick(control(w, QStringLiteral("cmd")), Qt::LeftButton);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(txt->text(), QString());
            QCOMPARE(QApplication::focusWidget(), txt);
            QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
        }
        const QWidget *lbl = control(w, QStringLiteral("lbl"));
        const auto *txtdiv = control<QPlainTextEdit>(w, QStringLiteral("txtdiv"));
        QTEST(lbl->isVisible() ? textOf(lbl) : "hidden", "verdict");
        QCOMPARE(control(w, QStringLiteral("lbldiv2"))->isVisible(), txtdiv->isVisible());
        QTEST(txtdiv->isVisible() ? txtdiv->toPlainText() : "hidden", "list");
    }
};

QTEST_MAIN(TestFrmprimi)
#include "test_frmprimi.moc"
