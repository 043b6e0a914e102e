#include "app/frminizio.h"
#include "primi/frmprimi.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/picture_button.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

class TestFrmprimi : public QObject {
    Q_OBJECT

    static frmprimi *open()
    {
        auto *w = ui::show<frmprimi>();
        if (!QTest::qWaitForWindowActive(w))
            qWarning("checker not active");
        return w;
    }

private Q_SLOTS:
    void initTestCase()
    {
        ui::registerFontSubstitutes();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void cleanup()
    {
        ui::Registry::instance().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void opensAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text"); // empty: not checked
        QTest::newRow("prompt") << "Label1" << QRect(120, 240, 4695, 375) << "Immetti un numero (minore di 50 milioni)";
        QTest::newRow("warning") << "Label2" << QRect(240, 600, 4455, 255) << "Per i numeri più alti ci sarà bisogno di circa 1 minuto";
        QTest::newRow("input") << "txt" << QRect(360, 1200, 2775, 405) << "";
        QTest::newRow("Calcola") << "cmd" << QRect(3240, 1080, 615, 615) << "";
        QTest::newRow("Fine") << "cmdesci" << QRect(3960, 1080, 615, 615) << "";
        QTest::newRow("verdict") << "lbl" << QRect(360, 1800, 4215, 285) << "";
        QTest::newRow("heading") << "lbldiv2" << QRect(360, 2280, 4215, 255) << "È divisibile per i seguenti numeri:";
        QTest::newRow("list") << "txtdiv" << QRect(360, 2520, 4215, 735) << "";
    }
    void opensAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        frmprimi *w = open();
        auto *control = w->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), ui::rect(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(control->isVisible(), twips.top() < 1800);
        if (!text.isEmpty())
            QCOMPARE(control->property("text").toString(), text);
        QCOMPARE(QApplication::focusWidget(), w->txt);
    }

    // Each row types its inputs in turn, each followed by Enter, and checks what shows last.
    void calculates_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("verdict"); // empty: no verdict shown yet
        QTest::addColumn<bool>("listShown");
        QTest::addColumn<QString>("list");
        QTest::newRow("12") << QStringList{"12"} << "12 non è primo, ha 4 divisori" << true << "2 - 3 - 4 - 6";
        QTest::newRow("1001 grouped") << QStringList{"1001"} << "1.001 non è primo, ha 6 divisori" << true
                                      << "7 - 11 - 13 - 77 - 91 - 143";
        QTest::newRow("1") << QStringList{"1"} << "1 non è primo" << false << "";
        QTest::newRow("prime hides the list, keeps its text")
            << QStringList{"12", "97"} << "97 è primo" << false << "2 - 3 - 4 - 6";
        QTest::newRow("list replaced") << QStringList{"12", "9"} << "9 non è primo, ha 1 divisore" << true << "3";
        QTest::newRow("refused first") << QStringList{"abc"} << "" << false << "";
        for (const char *refused : {"", "0", "50000001", "12.5"})
            QTest::newRow(qPrintable(QStringLiteral("refused %1 keeps the answer").arg(refused)))
                << QStringList{"12", refused} << "12 non è primo, ha 4 divisori" << true << "2 - 3 - 4 - 6";
    }
    void calculates()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, verdict);
        QFETCH(bool, listShown);
        QFETCH(QString, list);
        frmprimi *w = open();
        for (const QString &input : inputs) {
            QTest::keyClicks(QApplication::focusWidget(), input);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(w->txt->text(), QString());
            QCOMPARE(QApplication::focusWidget(), w->txt);
            QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
        }
        QCOMPARE(w->lbl->isVisible(), !verdict.isEmpty());
        QCOMPARE(w->lbl->text(), verdict);
        QCOMPARE(w->txtdiv->isVisible(), listShown);
        QCOMPARE(w->lbldiv2->isVisible(), listShown);
        QCOMPARE(w->txtdiv->toPlainText(), list);
    }

    void escapeGoesBackToTheStartWindow()
    {
        QPointer<frmprimi> w = open();
        QTest::keyClick(w->txt, Qt::Key_Escape);
        auto *start = ui::Registry::instance().find<frminizio>();
        QVERIFY(start && start->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return w.isNull(); }));
    }
};

QTEST_MAIN(TestFrmprimi)
#include "test_frmprimi.moc"
