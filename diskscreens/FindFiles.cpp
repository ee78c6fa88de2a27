#include "diskscreens/FindFiles.h"
#include "platform/DirectoryReader.h"
#include "platform/Drive.h"
#include "platform/FileNames.h"
#include "platform/Services.h"
#include "platform/WildcardMask.h"
#include <vector>

namespace vok {

namespace {

class FindWalk : public WalkVisitor {
public:
    FindWalk(const QString& dir, const QString& mask, const FileFoundCallback& callback,
             const ProgressHook& progress, const Job* job)
        : dir_(dir), mask_(mask), callback_(callback), pacer_(progress, WorkPacer::kWalkStride),
          job_(job) {}

    bool entry(const DirEntry& e) override {
        pacer_.step();
        if (!(e.attr & (AttrDirectory | AttrVolumeLabel)) &&
            (mask_.matchesEverything() || mask_.matches(e.name())) && !callback_(dir_, e))
            return false;
        stopped_ = job_ && job_->cancelRequested();
        return !stopped_;
    }
    // The walk ended at a stop request, seen after an entry.
    bool cancelled() const { return stopped_; }
    bool entersDirectory(const DirEntry& dir) override {
        return passesIncludeMask(dir.attr, IncludeDirectories);
    }
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
    WorkPacer pacer_;
    const Job* job_;
    bool stopped_ = false;
};

JobOutcome walk(const QString& startDir, const QString& mask, const FileFoundCallback& callback,
                const ProgressHook& progress, const Job* job) {
    const QString start = startDir.isEmpty() ? services().drives->currentPath() : startDir;
    if (start.isEmpty())
        return JobOutcome::Done; // no working directory any more: walking "/" instead would surprise
    const QString dir = withTrailingSlash(start);
    FindWalk visitor(dir, mask, callback, progress, job);
    services().directories->walk(dir, visitor);
    return visitor.cancelled() ? JobOutcome::Cancelled : JobOutcome::Done;
}

} // namespace

void FindFiles(const QString& startDir, const QString& mask, const FileFoundCallback& callback,
               const ProgressHook& progress) {
    walk(startDir, mask, callback, progress, nullptr);
}

JobOutcome FindFiles(const Job& job, const QString& startDir, const QString& mask,
                     const FileFoundCallback& callback, const ProgressHook& progress) {
    return walk(startDir, mask, callback, progress, &job);
}

} // namespace vok
