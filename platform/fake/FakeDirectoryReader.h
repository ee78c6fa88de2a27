#pragma once
#include "platform/DirectoryReader.h"
#include <QList>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

namespace vok {

// An in-memory file tree. Entries are reported in the order they were added; directories on
// the way to an added entry are made as needed. Attributes and sizes are those the real reader
// gives: a system entry (a device, a FIFO) is no archive, a link is an entry of its own size.
class FakeDirectoryReader : public DirectoryReader {
public:
    FakeDirectoryReader();
    ~FakeDirectoryReader() override;

    void addFile(const QString& path, qint64 size, quint32 extraAttr = 0);
    void addDirectory(const QString& path);
    bool remove(const QString& path);

    bool walk(const QString& dir, const WalkRules& rules, WalkVisitor& visitor) override;
    bool fileExists(const QString& path) override;
    bool isDirectory(const QString& path);
    // A symbolic link at path leading to the directory target: walks report it and never
    // follow it.
    void addDirectoryLink(const QString& path, const QString& target);
    QList<DirectoryLink> directoryLinks(const QString& dir) override;

    QStringList walkedPaths;          // the dir of every walk, as passed
    int entriesUntilOutOfMemory = -1; // reports this many, then throws std::bad_alloc; -1 never
    std::function<void()> afterEntry; // runs after each entry reported, as input meanwhile

private:
    struct Node;
    Node* find(const QString& path);
    Node* make(const QString& path);
    bool visit(Node& dir, const WalkRules& rules, WalkVisitor& visitor);

    std::unique_ptr<Node> root_;
    std::map<QString, QList<DirectoryLink>> links_; // by the directory holding them
};

} // namespace vok
