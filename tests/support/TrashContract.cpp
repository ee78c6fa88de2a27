#include "platform/fake/FakeDirectoryReader.h"
#include "platform/fake/FakeTrash.h"
#include "support/ServiceContracts.h"

namespace vok {

namespace {

class FakeTrashFixture : public TrashFixture {
public:
    FakeTrashFixture() { trash_.tree = &tree_; }
    Trash& trash() override { return trash_; }
    QString root() const override { return QStringLiteral("/contract"); }
    void addFile(const QString& rel) override { tree_.addFile(path(rel), 4); }
    void addDirectory(const QString& rel) override { tree_.addDirectory(path(rel)); }
    void addLink(const QString& rel, const QString& target) override {
        tree_.addDirectoryLink(path(rel), path(target));
    }
    void removeFile(const QString& rel) override { tree_.remove(path(rel)); }
    bool exists(const QString& rel) override {
        return tree_.fileExists(path(rel)) || tree_.isDirectory(path(rel));
    }
    QStringList trashed() override {
        QStringList names;
        for (const QString& moved : trash_.moved)
            names << moved.mid(moved.lastIndexOf('/') + 1);
        names.sort();
        return names;
    }

private:
    FakeDirectoryReader tree_;
    FakeTrash trash_;
};

void yesMovesThatFileNoNothing(TrashFixture& f) {
    f.addFile("keep.txt");
    f.addFile("gone.txt");
    f.dialogs.answers << Answer::No;
    QVERIFY(!f.moveToTrash("keep.txt"));
    QVERIFY(f.moveToTrash("gone.txt"));
    QCOMPARE(f.dialogs.confirmations, (QStringList{Trash::confirmationText(f.path("keep.txt")),
                                                   Trash::confirmationText(f.path("gone.txt"))}));
    QCOMPARE(f.dialogs.confirmButtons, QList<Buttons>(2, Buttons::YesNo));
    QVERIFY(f.exists("keep.txt") && !f.exists("gone.txt"));
    QCOMPARE(f.trashed(), QStringList{"gone.txt"});
}

void nothingThereOrADirectoryIsNotAsked(TrashFixture& f) {
    f.addDirectory("dir");
    QVERIFY(!f.moveToTrash("dir"));
    QVERIFY(!f.moveToTrash("never-was"));
    QVERIFY(f.dialogs.confirmations.isEmpty());
    QVERIFY(f.exists("dir"));
    QVERIFY(f.trashed().isEmpty());
}

void fileGoneWhileAskedMovesNothing(TrashFixture& f) {
    f.addFile("f");
    f.dialogs.whileAsking = [&] { f.removeFile("f"); };
    QVERIFY(!f.moveToTrash("f"));
    QCOMPARE(f.dialogs.confirmations.size(), 1);
    QVERIFY(f.trashed().isEmpty());
}

void aLinkIsTrashedItself(TrashFixture& f) {
    f.addDirectory("target");
    f.addLink("link", "target");
    QVERIFY(f.moveToTrash("link"));
    QVERIFY(!f.exists("link") && f.exists("target"));
    QCOMPARE(f.trashed(), QStringList{"link"});
}

// A name that is not UTF-8 and its U+FFFD twin are two files; only the one asked about moves.
void namesAreByteExact(TrashFixture& f) {
    const QString odd = decodeFileName("odd\xff"), twin = QString::fromUtf8("odd\xef\xbf\xbd");
    f.addFile(odd);
    f.addFile(twin);
    QVERIFY(f.moveToTrash(odd));
    QVERIFY(!f.exists(odd) && f.exists(twin));
    QCOMPARE(f.trashed(), QStringList{odd});
}

} // namespace

std::unique_ptr<TrashFixture> fakeTrashFixture() {
    return std::make_unique<FakeTrashFixture>();
}

const std::vector<ContractCase<TrashFixture>>& trashContract() {
    static const std::vector<ContractCase<TrashFixture>> cases = {
        {"Yes moves that file, No nothing", yesMovesThatFileNoNothing},
        {"nothing there or a directory is not asked", nothingThereOrADirectoryIsNotAsked},
        {"a file gone while asked moves nothing", fileGoneWhileAskedMovesNothing},
        {"a link is trashed itself", aLinkIsTrashedItself},
        {"names are byte-exact", namesAreByteExact},
    };
    return cases;
}

} // namespace vok
