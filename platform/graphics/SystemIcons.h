#pragma once

#include "platform/core/Types.h"

#include <string>

namespace plat {

class TCanvas;

// The shell's system image lists: small (16 x 16) and large (32 x 32) icons of files, folders
// and a few fixed places, addressed by index as the shell's list is. Indexes 0..FixedCount-1
// are fixed icons (file, folder, drive, computer, desktop, network, trash); an icon looked up by
// a path gets the next free index and keeps it for the rest of the run. A path that exists is
// asked of the desktop's icon provider by the file itself, any other by its extension (so a
// document that does not exist yet still shows its type). User-interface thread only.
namespace SystemIcons {

constexpr int FixedCount = 7;

TSize IconSize(bool Large);
// Index of the icon for Path; never fails (an unknown type gives the plain file icon).
int IndexOfPath(const std::string& Path);
// Whether Index names an icon of the list.
bool Valid(int Index);
// Draws icon Index transparently into Dest, stretched to it; an invalid index draws nothing.
void Draw(TCanvas& Canvas, const TRect& Dest, int Index, bool Large);

}  // namespace SystemIcons

}  // namespace plat
