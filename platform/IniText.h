#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace vok {

// The text of Vok's settings file: "[Section]" lines and "Name=Value" lines, kept line by line so
// that whatever Vok does not change is written back byte for byte: sections and values of other
// programs (a section may be called "Foo/Bar"), comments, lines that make no sense. Section and
// value names match without regard to case; several sections of one name read as one, the later
// line winning, as does the later of two values of one name. Each section's names are indexed
// once, so a read does not depend on the size of the file.
//
// Lines that are neither a section nor a value are passed over; values after a broken section
// line ("[Disk1" without its bracket) belong to no section rather than to the previous one. A
// backslash, line feed or carriage return in a value is written as \\, \n or \r.
class IniText {
public:
    IniText() = default;
    explicit IniText(const QByteArray& text);

    std::optional<QString> read(const QString& section, const QString& name) const;
    // Replaces the value that read() finds under the name it is stored as (other spellings of
    // the name in those sections go), else adds it to the last section of that name, else to a
    // new section at the end.
    void write(const QString& section, const QString& name, const QString& value);
    // Removes every section of that name with all its lines.
    void deleteSection(const QString& section);

    QByteArray text() const;

private:
    // A line: its offset in text_, or ~i for the i-th line added to its section.
    using LineRef = qint64;
    // A section's names: an open-addressing table of the folded names' hashes and the lines
    // that read. No name is copied, so a million of them cost one pass over the text.
    struct Slot {
        quint32 check = 0; // the hash's high half
        qint32 count = 0;  // lines of the section with this name, all spellings; 0 free, -1 gone
        LineRef line = 0;
    };
    struct Section {
        qsizetype begin = 0; // its lines in text_, the section line first
        qsizetype end = 0;
        bool readable = false;
        bool removed = false;
        std::vector<Slot> names;
        std::size_t filled = 0;
        std::vector<QByteArray> added; // lines written after the last one read
        std::vector<bool> addedRemoved;
    };
    struct Edit {
        bool removed = false;
        QByteArray text;
    };

    QByteArray lineText(const Section& s, LineRef line) const;
    void setLine(Section& s, LineRef line, QByteArray text);
    void removeLine(Section& s, LineRef line);
    template <typename Visit> void forEachLine(const Section& s, Visit visit) const;
    // Sizes the section's table for this many names and files them.
    void indexNames(Section& s, const std::vector<std::pair<quint64, LineRef>>& names);
    // The entry of the name (as written) in s; with add, a new one (count 0) when there is none.
    Slot* findName(Section& s, QByteArrayView name, bool add);
    // The slot whose line's name folds to folded() (made only when a hash matches), else with
    // add a free one; the table must have a free slot.
    template <typename Folded> Slot* place(Section& s, quint64 hash, Folded folded, bool add);
    // The section and line that read (folded section, name as asked) finds; false when none.
    bool find(const QByteArray& section, QByteArrayView name, int* sectionOut,
              LineRef* lineOut) const;
    void removeOtherSpellings(int keep, LineRef keepLine, const QByteArray& section,
                              const QByteArray& name);

    QByteArray text_;                            // as read
    std::map<qsizetype, Edit> edits_;            // lines of text_ changed or removed, by offset
    std::vector<Section> sections_;              // in order; [0] holds what comes before any
    QHash<QByteArray, std::vector<int>> byName_; // folded section name -> sections, in order
};

} // namespace vok
