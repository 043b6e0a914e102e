#include "abaco/frmabaco.h"
#include "app/frminfo.h"
#include "app/frminizio.h"
#include "app/frmistruzioni.h"
#include "colora/frmcolora.h"
#include "componi/frmcomponi.h"
#include "primi/frmprimi.h"
#include "ui/picture_button.h"
#include "ui/registry.h"

#include <QSignalSpy>
#include <QtTest>

// Opens and closes every window many times through the real buttons. Under the
// sanitizer build a leak or a use after free fails this; here, a window left
// behind or an unexpected end of the program does.
class TestLifecycle : public QObject {
    Q_OBJECT

    template <class W>
    static W *current()
    {
        return ui::Registry::instance().find<W>();
    }

    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <class W>
    static bool roundTrip(ui::PushButton *frminizio::*open, ui::PictureButton *W::*fine)
    {
        QTest::mouseClick(current<frminizio>()->*open, Qt::LeftButton);
        settle();
        W *activity = current<W>();
        if (!activity || current<frminizio>())
            return false;
        QTest::mouseClick(activity->*fine, Qt::LeftButton);
        settle();
        return current<W>() == nullptr && current<frminizio>() != nullptr;
    }

private Q_SLOTS:
    void everyWindowManyTimes()
    {
        const qsizetype before = QApplication::topLevelWidgets().size();
        QSignalSpy ended(&ui::Registry::instance(), &ui::Registry::programEnded);
        ui::show<frminizio>();
        for (int round = 0; round < 200; ++round) {
            QVERIFY(roundTrip<frmabaco>(&frminizio::cmdabaco, &frmabaco::cmdfine));
            QVERIFY(roundTrip<frmcolora>(&frminizio::cmdcolora, &frmcolora::cmdfine));
            QVERIFY(roundTrip<frmcomponi>(&frminizio::cmdcomponi, &frmcomponi::cmdfine));
            QVERIFY(roundTrip<frmprimi>(&frminizio::cmdprimi, &frmprimi::cmdesci));

            QTest::mouseClick(current<frminizio>()->cmdistruzioni, Qt::LeftButton);
            QVERIFY(current<frminfo>());
            QTest::keyClick(current<frminfo>(), Qt::Key_Escape);
            ui::show<frmistruzioni>();
            QTest::keyClick(current<frmistruzioni>(), Qt::Key_Escape);
            settle();
            QVERIFY(!current<frminfo>());
            QVERIFY(!current<frmistruzioni>());
        }
        QCOMPARE(ended.count(), 0);
        QCOMPARE(ui::Registry::instance().forms().size(), std::size_t(1));
        QTest::mouseClick(current<frminizio>()->cmdesci, Qt::LeftButton);
        settle();
        QCOMPARE(ended.count(), 1);
        QVERIFY(ui::Registry::instance().forms().empty());
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
    }
};

QTEST_MAIN(TestLifecycle)
#include "test_lifecycle.moc"
