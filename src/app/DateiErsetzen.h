// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file whole. The new content is first complete on the disk
// under a name of its own beside the file and only then renamed over it,
// so that a full disk, a failed write or a crash leaves either the old file
// or the new one, never a part of either. The replaced file keeps its
// access rights. Every failure throws Fehler naming the file.
#include <functional>
#include <string>

namespace cb {

/// Whether the new content is flushed to the disk before it takes the old
/// file's place. Only a caller whose old file is worthless once replaced,
/// and whose new file is flushed by its next user anyway, may skip it.
enum class Dauerhaft { Ja, Nein };

/// Who chose the name of the file replaced; it decides what a link there
/// means.
enum class Ziel {
    /// The user named the path. A link there is the user's own and stays a
    /// link: the file it names is replaced, and like any other only where
    /// the user may write it. The rename would replace a read-only file
    /// anyway, so it is refused before.
    Benannt,
    /// The program chose the name itself, in a folder of its own. A link
    /// found there was put there by someone else and is never followed:
    /// the new file takes the place of the link, the file it names stays.
    Eigen,
};

/// Writes the bytes to the file, replacing an earlier one.
void DateiErsetzen(const std::string& pfad, const std::string& bytes, Ziel ziel = Ziel::Benannt);

/// Replaces the file by a copy of quelle. vorher runs once the copy is
/// complete on the disk, just before it takes the old file's place: what
/// must go with the old file goes there, and an exception from it leaves
/// the old file as it was and reaches the caller. A file that did not
/// exist before gets the rights of quelle, as a copy would.
void DateiErsetzenDurchKopie(const std::string& pfad, const std::string& quelle,
                             Dauerhaft dauerhaft = Dauerhaft::Ja, const std::function<void()>& vorher = {},
                             Ziel ziel = Ziel::Benannt);

/// Copies von to nach, creating nach or overwriting it in place, every
/// write checked and the result on the disk before it returns; for a copy
/// into a folder that takes the place of another only once it is complete.
/// A link on either side is refused: both names are the program's own.
void DateiKopieren(const std::string& von, const std::string& nach);

} // namespace cb
