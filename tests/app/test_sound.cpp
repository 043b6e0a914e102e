#include "desktop/bell_player.h"

#include <QLibrary>
#include <QtTest>

// The wrong-answer beep as the sound layer gives it, against a stand-in for libcanberra
// whose "server" answers at once, late or never: the sound, or the X bell in its place,
// once a ring and never both.
class TestSound : public QObject {
    Q_OBJECT
    void (*answerIn_)(int) = nullptr;
    void (*calls_)(char *, std::size_t) = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        // The library the program loads, which the tests' environment makes the stand-in.
        QLibrary canberra(QStringLiteral("canberra"), 0);
        answerIn_ = reinterpret_cast<void (*)(int)>(canberra.resolve("standin_answer_in"));
        calls_ = reinterpret_cast<void (*)(char *, std::size_t)>(canberra.resolve("standin_calls"));
        QVERIFY2(answerIn_ && calls_, "libcanberra is not the stand-in");
    }

    void bells_data()
    {
        // When wrong answers come, in ms, and how long the server then takes to answer
        // them (below 0: it refuses).
        QTest::addColumn<QList<QPoint>>("rings");
        // The name the mixer shows, the calls (o open, c cancel, p sound, f refused), the X bells.
        QTest::addColumn<QString>("heard");
        QTest::newRow("the bell sounds") << QList<QPoint>{{0, 0}} << "Numerandia ocp, 0";
        QTest::newRow("no sound: the X bell") << QList<QPoint>{{0, -1}} << "Numerandia ocf, 1";
        QTest::newRow("a server too slow: the X bell, and the late sound stopped") << QList<QPoint>{{0, 800}} << "Numerandia ocpc, 1";
        QTest::newRow("two quick answers to a slow server: an X bell each") << QList<QPoint>{{0, 800}, {50, 800}} << "Numerandia ocpc, 2";
        QTest::newRow("a server gone: one more try afresh, then the X bell") << QList<QPoint>{{0, 0}, {100, -1}} << "Numerandia ocpcfocf, 1";
    }
    void bells()
    {
        QFETCH(QList<QPoint>, rings);
        int xBells = 0;
        {
            ui::BellPlayer player(nullptr, [&xBells] { ++xBells; });
            for (const QPoint ring : rings)
                QTimer::singleShot(ring.x(), &player, [&, ring] { answerIn_(ring.y()), player.ring(); });
            QTest::qWait(1300);
        }
        char calls[64];
        calls_(calls, sizeof calls);
        QTEST(QString::fromUtf8(calls) + ", " + QString::number(xBells), "heard");
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
