#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace vok {

// Which copy of the program runs for this user: the first to claim a name holds it while it
// runs, and a later copy that claims the same name asks the holder to come forward instead.
class RunningCopy {
public:
    virtual ~RunningCopy() = default;

    // True when this copy now holds the name. False when a live copy holds it: that copy has
    // been asked to come forward. A name left behind by a copy that died is taken over.
    virtual bool claim(const QString& name) = 0;

    // Run in the holder each time another copy asks it to come forward, with the activation
    // token that copy brought (empty when it has none): on Wayland only a token lets a program
    // take the focus.
    using ComeForward = std::function<void(const QByteArray& activationToken)>;
    void setComeForward(ComeForward handler) { comeForward_ = std::move(handler); }

protected:
    void askedToComeForward(const QByteArray& activationToken) const {
        if (comeForward_)
            comeForward_(activationToken);
    }

private:
    ComeForward comeForward_;
};

// This platform's way, for the user running the program.
std::unique_ptr<RunningCopy> thisPlatformsRunningCopy();

} // namespace vok
