#include "diskscreens/FindFiles.h"
#include "controls/MenuItem.h"
#include "platform/DirectoryReader.h"
#include "platform/Drive.h"
#include "platform/ErrorHandler.h"
#include "platform/FileNames.h"
#include "platform/WildcardMask.h"
#include <vector>

namespace vok {

namespace {

class FindWalk : public WalkVisitor {
public:
    FindWalk(const QString& dir, const QString& mask, const FileFoundCallback& callback,
             WorkPacer& pacer, const Job& job)
        : dir_(dir), mask_(mask), callback_(callback), pacer_(pacer), job_(job) {}

    bool entry(const DirEntry& e) override {
        pacer_.step();
        if (!(e.attr & (AttrDirectory | AttrVolumeLabel)) && mask_.matchesFileName(e.rawName) &&
            !callback_(dir_, e))
            return false;
        stopped_ = job_.cancelRequested();
        return !stopped_;
    }
    bool pause() override {
        pacer_.now();
        stopped_ = job_.cancelRequested();
        return !stopped_;
    }
    // The walk ended at a stop request, seen after an entry or in a pause.
    bool cancelled() const { return stopped_; }
    void enter(const QByteArray& rawName) override {
        lengths_.push_back(dir_.size());
        dir_ += decodeFileName(rawName);
        dir_ += u'/';
        pacer_.now();
    }
    void leave() override {
        dir_.truncate(lengths_.back());
        lengths_.pop_back();
    }

private:
    QString dir_;
    std::vector<qsizetype> lengths_;
    const WildcardMask mask_;
    const FileFoundCallback& callback_;
    WorkPacer& pacer_;
    const Job& job_;
    bool stopped_ = false;
};

} // namespace

JobOutcome FindFiles(DirectoryReader& files, DriveTable& drives, const Job& job,
                     const QString& startDir, const QString& mask,
                     const FileFoundCallback& callback, WorkPacer& pacer) {
    const QString start = startDir.isEmpty() ? drives.currentPath() : startDir;
    if (start.isEmpty())
        return JobOutcome::Done; // no working directory any more: walking "/" instead would
                                 // surprise
    const QString dir = withTrailingSlash(start);
    pacer.setPhase(WorkPacer::Phase::Walk);
    FindWalk visitor(dir, mask, callback, pacer, job);
    const WalkRules rules{
        [m = WildcardMask(mask)](QByteArrayView name) { return m.matchesFileName(name); },
        [](const DirEntry& d) { return passesIncludeMask(d.attr, IncludeDirectories); }};
    files.walk(dir, rules, visitor);
    return visitor.cancelled() ? JobOutcome::Cancelled : JobOutcome::Done;
}

} // namespace vok
