#pragma once
#include <QElapsedTimer>
#include <QString>

class QWidget;

namespace vok {
class TDirectoryListBox;
}

namespace vok::bench {

// Times one run and prints files, seconds, files per second, peak resident memory and bytes
// per row, one figure a line, for scripts to read.
class BenchReport {
public:
    explicit BenchReport(QString what);
    void stop();
    void print(qint64 files, qint64 gridBytes) const;

private:
    QString what_;
    QElapsedTimer clock_;
    qint64 nanos_ = 0;
    double cpuStart_ = 0;
    double cpu_ = 0;
};

// Processor time of this process, user and system: on a machine shared with other work the
// wall clock also counts the time others ran.
double cpuSeconds();

// Shows the screen and points its directory list at dir, absolute or relative to the working
// folder; false (with a message) when the list cannot go there.
bool showScreenOn(QWidget& screen, TDirectoryListBox& list, const QString& dir);

} // namespace vok::bench
