// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// Writes a file without ever leaving it truncated or missing: the new content goes to a
// temporary file beside it (its name + ".tmp"), is flushed to disk and then renamed into place.
// The temporary file stays locked (flock) while it is written, so that a clean-up can tell one
// a killed writer left behind from one still being written.
// Until commit() succeeds the original is untouched; an abandoned writer removes its temporary
// file. A symbolic link is followed, so the file it points to is the one replaced, and the
// replacement keeps that file's permission bits. Anything but a regular file is never replaced.
class AtomicFileWriter {
public:
    enum class Publish {
        Replace,    // over the existing file, or as a new one
        CreateNew,  // only where nothing of that name exists: commit() fails rather than replace
    };

    enum class Temporary {
        Shared,   // name + ".tmp": for writers that hold the base directory's lock
        Private,  // a name of this writer's own, for a file written before the lock is taken
    };

    explicit AtomicFileWriter(std::string path, Publish publish = Publish::Replace,
                              Temporary temporary = Temporary::Shared);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    void write(std::string_view bytes);
    // Writes bytes followed by CR LF.
    void writeLine(std::string_view line);
    // Gives the new file these permission bits instead of those of the file it replaces.
    void setPermissions(unsigned mode);
    bool commit();

private:
    void open();
    void abandon();

    std::string target_;
    std::string tmpPath_;
    Publish publish_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// One-shot form: replaces the file's whole content.
bool replaceFileContent(const std::string& path, std::string_view content);

// Writes a copy of the regular file source to target through a writer publishing as asked. A new
// file gets the source's permission bits, a replaced one keeps its own. False, with target as it
// was, when any step failed.
bool copyRegularFile(const std::string& source, const std::string& target,
                     AtomicFileWriter::Publish publish);

// A temporary file of a writer (its name + ".tmp", or a private one, name + "." + anything +
// ".tmp") that no live writer holds: one a kill left behind. True when the file was removed.
bool removeIfAbandoned(const std::string& temporaryPath);

// Renames within one file system, failing instead of replacing a file that has the new name.
bool renameWithoutReplacing(const std::string& from, const std::string& to);

// Appends each line + CR LF to the file (created when missing; a symbolic link is followed).
// A last line left without its line end is completed first, so nothing merges into it. No line
// is ever split between two writes, and when any step fails the file is cut back to its old
// length (or removed when this call created it): a failure leaves it exactly as it was. With no
// lines it only checks that the file can be appended to, creating it when missing. Only regular
// files are opened; a named pipe is refused without waiting.
bool appendLines(const std::string& path, std::span<const std::string> lines);

}  // namespace corvane
