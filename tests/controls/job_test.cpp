#include "controls/Job.h"
#include "platform/VokError.h"
#include <QtTest>

using namespace vok;

class JobTest : public QObject {
    Q_OBJECT
private slots:
    // Esc while idle, or after the operation ended, must not stop the next one.
    void stopRequestsLiveOnlyWhileRunning() {
        QList<bool> told;
        Job job([&](bool on) { told << on; });
        job.requestCancel();
        QVERIFY(!job.cancelRequested());
        {
            Job::Run run(job);
            QVERIFY(job.busy());
            job.requestCancel();
            QVERIFY(job.cancelRequested());
            job.clearCancel();
            QVERIFY(!job.cancelRequested() && job.busy());
            job.requestCancel();
        }
        QVERIFY(!job.busy() && !job.cancelRequested());
        QCOMPARE(told, (QList<bool>{true, false}));
        // An error ends the run too.
        try {
            Job::Run run(job);
            job.requestCancel();
            throw VokError("Cannot load USER.EXE");
        } catch (const VokError&) {
        }
        QVERIFY(!job.busy() && !job.cancelRequested());
        QCOMPARE(told, (QList<bool>{true, false, true, false}));
    }
};

QTEST_GUILESS_MAIN(JobTest)
#include "job_test.moc"
