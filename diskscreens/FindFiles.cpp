#include "diskscreens/FindFiles.h"
#include "controls/GridRows.h"
#include "platform/DialogService.h"
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
             const WalkProgress& progress, ScanState* cancellable)
        : dir_(dir), mask_(mask), callback_(callback), ticker_(progress),
          cancellable_(cancellable) {}

    bool entry(const DirEntry& e) override {
        ticker_.tick();
        if (!(e.attr & (AttrDirectory | AttrVolumeLabel)) &&
            (mask_.matchesEverything() || mask_.matches(e.name())) && !callback_(dir_, e))
            return false;
        return !cancelled();
    }
    bool entersDirectory(const DirEntry& dir) override {
        return passesIncludeMask(dir.attr, IncludeDirectories);
    }
    void enter(const QByteArray& rawName) override {
        lengths_.push_back(dir_.size());
        dir_ += decodeFileName(rawName);
        dir_ += u'/';
        ticker_.now();
    }
    void leave() override {
        dir_.truncate(lengths_.back());
        lengths_.pop_back();
    }

private:
    bool cancelled() {
        if (!cancellable_ || !cancellable_->CancelRequested)
            return false;
        services().dialogs->message(QStringLiteral("Vok File Seach Cancelled"));
        cancellable_->SearchBusy = false;
        cancellable_->CancelRequested = false;
        return true;
    }

    QString dir_;
    std::vector<qsizetype> lengths_;
    const WildcardMask mask_;
    const FileFoundCallback& callback_;
    ProgressTicker ticker_;
    ScanState* cancellable_;
};

void walk(const QString& startDir, const QString& mask, const FileFoundCallback& callback,
          const WalkProgress& progress, ScanState* cancellable) {
    const QString start = startDir.isEmpty() ? services().drives->currentPath() : startDir;
    if (start.isEmpty())
        return; // no working directory any more: walking "/" instead would be a surprise
    const QString dir = withTrailingSlash(start);
    FindWalk visitor(dir, mask, callback, progress, cancellable);
    services().directories->walk(dir, visitor);
}

} // namespace

void FindFiles(const QString& startDir, const QString& mask, const FileFoundCallback& callback,
               const WalkProgress& progress) {
    walk(startDir, mask, callback, progress, nullptr);
}

void FindFiles(ScanState& state, GridRows& searchGrid, const QString& startDir, const QString& mask,
               const FileFoundCallback& callback, const WalkProgress& progress) {
    state.SearchBusy = true;
    searchGrid.setCell(2, 0, QStringLiteral("0"));
    walk(startDir, mask, callback, progress, &state);
    state.SearchBusy = false;
}

} // namespace vok
