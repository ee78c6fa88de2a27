#include "controls/GridRows.h"
#include "controls/HandleColumn.h"
#include "controls/TextArena.h"
#include <QtTest>
#include <atomic>
#include <cstdlib>
#include <new>

// Allocation failure on demand: the next failAfter allocations succeed, the one after throws.
static std::atomic<long> failAfter{-1};

void* operator new(std::size_t n) {
    if (failAfter.load() >= 0 && failAfter.fetch_sub(1) == 0)
        throw std::bad_alloc();
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace vok;

class GridMemoryTest : public QObject {
    Q_OBJECT
private slots:
    // Blocks of 16 bytes reach block 4096, where a 32-bit handle ran out, with 64 KiB.
    void arenaHandlesGoPastFourGiB() {
        TextArena arena(16);
        std::vector<TextArena::Handle> handles;
        for (int i = 0; i < 6000; ++i)
            handles.push_back(arena.add(QByteArray::number(i * 7919)));
        QVERIFY(handles.back() >> 32);
        for (int i = 0; i < 6000; ++i)
            QCOMPARE(arena.text(handles[std::size_t(i)]), QByteArray::number(i * 7919));
    }

    // Texts sharing a head keep sharing one copy of it through a compaction; dead texts go.
    void joinedTextsSurviveCompaction() {
        TextArena arena(64);
        const TextArena::Handle head = arena.add("/a/long/directory/");
        std::vector<TextArena::Handle> live;
        for (int i = 0; i < 50; ++i) {
            const TextArena::Handle h = arena.addJoined(head, QByteArray::number(i) + ".txt");
            if (i % 2)
                arena.release(h);
            else
                live.push_back(h);
        }
        live.push_back(arena.add("plain"));
        QVERIFY(arena.garbage() > 0);
        TextArena::Compactor compactor(arena);
        std::vector<TextArena::Handle> fresh;
        for (const TextArena::Handle h : live)
            fresh.push_back(compactor.remap(h));
        compactor.finish();
        QCOMPARE(arena.garbage(), std::size_t(0));
        for (std::size_t i = 0; i + 1 < fresh.size(); ++i) {
            const TextArena::Parts p = arena.parts(fresh[i]);
            QCOMPARE(p.joined(), "/a/long/directory/" + QByteArray::number(int(i) * 2) + ".txt");
            QCOMPARE(p.head.data(), arena.parts(fresh[0]).head.data());
        }
        QCOMPARE(arena.parts(fresh.back()).joined(), QByteArray("plain"));
        QVERIFY(arena.parts(fresh.back()).tail.isEmpty());
    }

    void handleColumnWidensOnlyWhenAHandleNeedsIt() {
        HandleColumn c;
        c.resize(3);
        c.set(1, 0xFFFFFFFFu);
        QVERIFY(!c.wide());
        const TextArena::Handle far = (TextArena::Handle(1) << 47) + 5;
        c.set(2, far);
        c.push_back(far + 1);
        QVERIFY(c.wide());
        c.swap(0, 2);
        c.resize(6);
        QCOMPARE(c.size(), std::size_t(6));
        QCOMPARE(c.at(0), far);
        QCOMPARE(c.at(1), TextArena::Handle(0xFFFFFFFFu));
        QCOMPARE(c.at(2), TextArena::Empty);
        QCOMPARE(c.at(3), far + 1);
        QCOMPARE(c.at(5), TextArena::Empty);
    }

    // Whichever allocation fails, the row is added whole or not at all, and the grid goes on.
    void outOfMemoryMidRowLeavesTheGridWhole() {
        long k = 0;
        for (; k < 1000; ++k) {
            GridRows g(3);
            // 128 rows fill the columns' vectors: the next row makes each of them grow.
            for (int r = 0; r < 127; ++r)
                g.appendRow({QString("path %1").arg(r), "size", "index"});
            const QString a(200, 'a'), b(300, 'b'), c(5000, 'c');
            bool failed = false;
            failAfter = k;
            try {
                g.appendRow({a, b, c});
            } catch (const std::bad_alloc&) {
                failed = true;
            }
            failAfter = -1;
            if (!failed)
                break; // every allocation of the call has been made to fail once
            QCOMPARE(g.rows(), 128);
            g.appendRow({"x", "y", "z"});
            QCOMPARE(g.cell(0, 128) + g.cell(1, 128) + g.cell(2, 128), QString("xyz"));
            QCOMPARE(g.cell(2, 127), QString("index"));
        }
        QVERIFY(k >= 4); // the text block and each column's growth have failed once
    }

    // Input let through while rows move can run out of memory; the rows still move whole.
    void failingTickMidReorderLeavesTheRowsWhole() {
        GridRows g(2);
        const int n = 1 << 17; // a tick half way and one at the end
        for (int r = 1; r < n; ++r)
            g.appendRow({QString::number(r), QString::number(r)});
        std::vector<int> reversed(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            reversed[std::size_t(i)] = n - 1 - i;
        int ticks = 0;
        bool failed = false;
        try {
            g.reorderRows({0, 1}, reversed, [&] {
                ++ticks;
                throw std::bad_alloc();
            });
        } catch (const std::bad_alloc&) {
            failed = true;
        }
        QVERIFY(failed);
        QCOMPARE(ticks, 1);
        for (int r = 0; r < n - 1; ++r) {
            QCOMPARE(g.cell(0, r), QString::number(n - 1 - r));
            QCOMPARE(g.cell(1, r), g.cell(0, r));
        }
    }
};

QTEST_MAIN(GridMemoryTest)
#include "grid_memory_test.moc"
