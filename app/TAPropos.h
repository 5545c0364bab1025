#pragma once

// The About dialog: the program's picture with its name and version, a few words on it, the
// notice, and the computer's physical memory.

#include "platform/controls/forms/TForm.h"

#include <cstdint>
#include <string>

namespace plat {
class TBitBtn;
class TImage;
class TLabel;
class TPanel;
}  // namespace plat

namespace skelda::app {

// Bytes / 1024 by the pattern "#,###" with "." between the thousands, then " Ko": "3.145.728 Ko".
// The count is 64-bit: machines have more than 4 GiB.
std::string PhysicalMemoryText(std::uint64_t bytes);

class TAPropos : public plat::TForm {
public:
    static constexpr const char* kCaption = "About Vantel...";

    explicit TAPropos(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TAPropos"; }

    // Shows the physical memory in PhysMem.
    void FormCreate(plat::TObject* Sender);

    plat::TPanel* Panel1;
    plat::TImage* maphoto;
    plat::TPanel* Panel2;
    plat::TLabel* MoiLabel;
    plat::TLabel* Label2;
    plat::TLabel* Label3;
    plat::TLabel* PhysMem;
    // Of the close kind: it closes the dialog.
    plat::TBitBtn* CloseBtn;
};

}  // namespace skelda::app
