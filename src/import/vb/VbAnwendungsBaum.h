// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Visual Basic module files in the application tree, as VBProjektEinlesen
// takes them: the tree's tag is the folder of the files; each file is a
// ticked leaf whose text is the module name and whose key holds the file's
// path below that folder, a ":" and the module type code as its last digit.
#include "app/Baum.h"
#include "import/vb/ModulDatei.h"

#include <string>
#include <string_view>
#include <vector>

namespace cb {

/// The file filter of the project file chooser.
inline constexpr const char* VbpDateiFilter = "VB:vbp;";

/// The key of a file leaf: project prefix, path below the tree's tag, ":",
/// type digit (0 for a kind stored as 32).
std::string VbDateiSchluessel(std::string_view relativerPfad, int typ);
/// The file name the reader takes from a key: after its last "\", before
/// its first ":", blanks around it dropped.
std::string DateiAusSchluessel(std::string_view schluessel);
/// The stored type code of a key: its last character as a digit 1 to 9;
/// 32 for "0" or anything that is not a digit.
int TypAusSchluessel(std::string_view schluessel);

/// One project node for the .vbp (its Name and file name) with a leaf per
/// module file it lists: Form= 1, Module= 2, Class= 3, UserControl= 4,
/// UserDocument= 6, Designer= 7, PropertyPage= 32. Paths are taken relative
/// to the .vbp's folder; a path that cannot be reached from here (another
/// drive) is looked for beside the .vbp. Module names come from the
/// "Name; file" form, else from the file's Attribute VB_Name, else from the
/// file name. Throws std::runtime_error when the .vbp cannot be read.
Baum VbpBaum(const std::string& vbpPfad, int ersatzCodepage = StandardCodepage);

/// A ticked leaf per module file (.bas, .cls, .frm and the other kinds),
/// below their common folder; names from Attribute VB_Name, else the file
/// name without extension. A file named twice is taken once. Throws
/// std::invalid_argument for a file that is no module file.
Baum ModulDateienBaum(const std::vector<std::string>& dateien, int ersatzCodepage = StandardCodepage);

/// What the window lists for files the user chose: a .vbp alone as
/// VbpBaum; module files as ModulDateienBaum below one ticked project node
/// named after their folder, so that the tick rules of projects hold for
/// them too. Throws std::invalid_argument for a .vbp among other files or
/// a file that is neither, std::runtime_error for a .vbp that cannot be read.
Baum VbDateienBaum(const std::vector<std::string>& dateien, int ersatzCodepage = StandardCodepage);

} // namespace cb
