#include "primi/frmprimi.h"
#include "ui/label.h"
#include "ui/registry.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

class TestFrmprimi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void cleanup()
    {
        ui::Registry::instance().destroyAll();
    }

    // Each row types its inputs in turn, each followed by Enter, and checks what shows last.
    void calculates_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("list"); // under its heading
        QTest::newRow("12") << QStringList{"12"} << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("grouped as the locale groups") << QStringList{"1001"} << "1.001 non è primo, ha 6 divisori"
                                                      << "7 - 11 - 13 - 77 - 91 - 143";
        QTest::newRow("1") << QStringList{"1"} << "1 non è primo" << "hidden";
        QTest::newRow("a prime hides the list") << QStringList{"12", "97"} << "97 è primo" << "hidden";
        QTest::newRow("list replaced") << QStringList{"12", "9"} << "9 non è primo, ha 1 divisore" << "3";
        QTest::newRow("refused first") << QStringList{"abc"} << "hidden" << "hidden";
        for (const char *refused : {"", "0", "50000001", "12.5"})
            QTest::newRow(qPrintable(QStringLiteral("refused '%1' keeps the answer").arg(refused)))
                << QStringList{"12", refused} << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
    }
    void calculates()
    {
        QFETCH(QStringList, inputs);
        frmprimi *w = ui::show<frmprimi>();
        QVERIFY(QTest::qWaitForWindowActive(w));
        for (const QString &input : inputs) {
            QTest::keyClicks(QApplication::focusWidget(), input);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(w->txt->text(), QString());
            QCOMPARE(QApplication::focusWidget(), w->txt);
            QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
        }
        QTEST(w->lbl->isVisible() ? w->lbl->text() : "hidden", "verdict");
        QCOMPARE(w->lbldiv2->isVisible(), w->txtdiv->isVisible());
        QTEST(w->txtdiv->isVisible() ? w->txtdiv->toPlainText() : "hidden", "list");
    }
};

QTEST_MAIN(TestFrmprimi)
#include "test_frmprimi.moc"
