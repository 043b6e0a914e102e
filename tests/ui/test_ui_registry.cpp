#include "ui/registry.h"

#include <QCloseEvent>
#include <QSignalSpy>
#include <QtTest>

namespace {
int closeEvents = 0;
}

class FormA : public ui::Form {
    Q_OBJECT
public:
    FormA() : ui::Form(QStringLiteral("A"), 1500, 1500, Qt::white) {}

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeEvents;
        ui::Form::closeEvent(event);
    }
};

class FormB : public FormA {
    Q_OBJECT
};

class TestUiRegistry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { closeEvents = 0; }
    void cleanup()
    {
        ui::Registry::instance().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void oneInstanceBroughtToFront()
    {
        FormA *first = ui::show<FormA>();
        FormB *other = ui::show<FormB>();
        QVERIFY(other != static_cast<FormA *>(first));
        QCOMPARE(ui::show<FormA>(), first);
        QCOMPARE(ui::Registry::instance().forms().size(), std::size_t(2));
        QVERIFY(first->isVisible());
    }

    void closingUnloadsSoTheNextShowIsFresh()
    {
        QPointer<FormA> first = ui::show<FormA>();
        ui::show<FormB>();
        first->close();
        QVERIFY(QTest::qWaitFor([&] { return first.isNull(); }));
        FormA *second = ui::show<FormA>();
        QVERIFY(second);
        QCOMPARE(ui::Registry::instance().forms().size(), std::size_t(2));
    }

    void switchShowsBeforeClosing()
    {
        QPointer<FormA> from = ui::show<FormA>();
        QSignalSpy ended(&ui::Registry::instance(), &ui::Registry::programEnded);
        FormB *to = ui::switchTo<FormB>(from);
        QVERIFY(to->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return from.isNull(); }));
        QCOMPARE(ended.count(), 0);
    }

    void programEndsWithTheLastWindow()
    {
        QPointer<FormA> a = ui::show<FormA>();
        QPointer<FormB> b = ui::show<FormB>();
        QSignalSpy ended(&ui::Registry::instance(), &ui::Registry::programEnded);
        a->close();
        QVERIFY(QTest::qWaitFor([&] { return a.isNull(); }));
        QCOMPARE(ended.count(), 0);
        b->close();
        QVERIFY(QTest::qWaitFor([&] { return b.isNull(); }));
        QCOMPARE(ended.count(), 1);
    }

    void endProgramClosesEverythingWithoutCloseEvents()
    {
        QPointer<FormA> a = ui::show<FormA>();
        QPointer<FormB> b = ui::show<FormB>();
        QSignalSpy ended(&ui::Registry::instance(), &ui::Registry::programEnded);
        ui::endProgram();
        QVERIFY(!a->isVisible());
        QVERIFY(!b->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(a.isNull());
        QVERIFY(b.isNull());
        QCOMPARE(closeEvents, 0);
        QCOMPARE(ended.count(), 1); // the discarded windows do not end it again
        QVERIFY(ui::Registry::instance().forms().empty());

        // ...and the registry works as before afterwards.
        QPointer<FormA> again = ui::show<FormA>();
        again->close();
        QVERIFY(QTest::qWaitFor([&] { return again.isNull(); }));
        QCOMPARE(ended.count(), 2);
    }
};

QTEST_MAIN(TestUiRegistry)
#include "test_ui_registry.moc"
