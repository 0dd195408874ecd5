// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace yomiwa {

// The new content of a file until it takes the file's place in one step. Where the file
// system can make one, it is an unnamed file in the target's folder, so that a crash leaves
// nothing behind; otherwise, and for the moment before it replaces the target, it has a
// hidden name no user's file has: ".NAME.yomiwa-" and six letters or digits. Only files of
// exactly that name are ever cleaned up.
class ReplacingFile {
public:
    // Nothing is made yet.
    explicit ReplacingFile(const QString& target);
    // A file that was not committed is removed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Makes the file: with the permissions of any new file (the umask applies), or with
    // `keptMode` when it replaces a file of that mode (>= 0). False when the folder takes
    // no new file.
    bool Open(int keptMode);
    // Open only.
    int Handle() const { return m_fd; }
    // Puts the file in the target's place; its content must be on the disk already.
    bool Commit();

    // How many bytes the temporary name adds to the target's name.
    static constexpr int ExtraNameBytes = 15;
    // Removes the regular files that an interrupted save of `target` left under the
    // temporary name.
    static void RemoveLeftovers(const QString& target);

private:
    QByteArray FreshName() const;

    QByteArray m_folder, m_fileName, m_target;
    // The temporary name while the file has one.
    QByteArray m_name;
    int m_fd = -1;
};

} // namespace yomiwa
