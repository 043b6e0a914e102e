#include "abaco/frmabaco.h"
#include "app/frminfo.h"
#include "app/frminizio.h"
#include "app/frmistruzioni.h"
#include "colora/frmcolora.h"
#include "componi/frmcomponi.h"
#include "primi/frmprimi.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/registry.h"
#include "ui/shape.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>

// What a screen reader hears, and removing with the keyboard for a pupil without
// a right mouse button.
class TestAccessibility : public QObject {
    Q_OBJECT

    static QString spoken(QWidget *widget)
    {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        return face ? face->text(QAccessible::Name) : QString();
    }

    template <class W>
    static QStringList unnamedControls()
    {
        W window;
        QStringList unnamed;
        for (QWidget *control : window.template findChildren<QWidget *>()) {
            const bool actsOnInput = qobject_cast<QAbstractButton *>(control)
                || qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control);
            if (actsOnInput && spoken(control).trimmed().isEmpty())
                unnamed << control->objectName();
        }
        return unnamed;
    }

private Q_SLOTS:
    void cleanup()
    {
        ui::Registry::instance().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void everyControlHasAName()
    {
        QCOMPARE(unnamedControls<frminizio>(), QStringList());
        QCOMPARE(unnamedControls<frminfo>(), QStringList());
        QCOMPARE(unnamedControls<frmistruzioni>(), QStringList());
        QCOMPARE(unnamedControls<frmabaco>(), QStringList());
        QCOMPARE(unnamedControls<frmcolora>(), QStringList());
        QCOMPARE(unnamedControls<frmcomponi>(), QStringList());
        QCOMPARE(unnamedControls<frmprimi>(), QStringList());
    }

    void names_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("hundreds rod") << "frmabaco" << "cmdh" << "centinaia";
        QTest::newRow("units rod") << "frmabaco" << "cmdu" << "unità";
        QTest::newRow("hundredths rod") << "frmabaco" << "cmdc" << "centesimi";
        QTest::newRow("thousandths rod") << "frmabaco" << "cmdm" << "millesimi";
        QTest::newRow("abacus confirm picture") << "frmabaco" << "cmdconferma" << "Conferma";
        QTest::newRow("units blocks") << "frmcomponi" << "cmduno" << "Unità";
        QTest::newRow("first row") << "frmcolora" << "cmdo(1)" << "riga 1";
        QTest::newRow("last column") << "frmcolora" << "cmdv(10)" << "colonna 10";
        QTest::newRow("eraser picture") << "frmcolora" << "cmdcanc" << "Cancella";
        QTest::newRow("exit picture") << "frminizio" << "cmdesci" << "Esci";
        QTest::newRow("prime input") << "frmprimi" << "txt" << "numero";
    }
    void names()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        const auto make = [&window]() -> QWidget * {
            if (window == "frmabaco")
                return new frmabaco;
            if (window == "frmcomponi")
                return new frmcomponi;
            if (window == "frmcolora")
                return new frmcolora;
            if (window == "frminizio")
                return new frminizio;
            return new frmprimi;
        };
        const std::unique_ptr<QWidget> w(make());
        QWidget *widget = w->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(spoken(widget), name);
    }

    void keyboardRemovesBeads_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Delete") << int(Qt::Key_Delete);
        QTest::newRow("Backspace") << int(Qt::Key_Backspace);
    }
    void keyboardRemovesBeads()
    {
        QFETCH(int, key);
        frmabaco w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.cmdu->setFocus();
        QTest::keyClick(w.cmdu, Qt::Key_Space);
        QTest::keyClick(w.cmdu, Qt::Key_Space);
        QCOMPARE(w.lblnum->text(), QStringLiteral("2"));
        QTest::keyClick(w.cmdu, Qt::Key(key));
        QCOMPARE(w.lblnum->text(), QStringLiteral("1"));
        QVERIFY(w.u[0]->isVisibleTo(&w));
        QVERIFY(!w.u[1]->isVisibleTo(&w));
    }

    void keyboardClearsALine()
    {
        frmcolora w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget *row = w.findChild<QWidget *>(QStringLiteral("cmdo(2)"));
        QWidget *column = w.findChild<QWidget *>(QStringLiteral("cmdv(3)"));
        QTest::keyClick(row, Qt::Key_Space);
        QTest::keyClick(column, Qt::Key_Space);
        QCOMPARE(w.lblcount->text(), QStringLiteral("19"));
        QTest::keyClick(row, Qt::Key_Delete);
        QCOMPARE(w.lblcount->text(), QStringLiteral("9")); // the column keeps its other nine
        QTest::keyClick(column, Qt::Key_Backspace);
        QCOMPARE(w.lblcount->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
