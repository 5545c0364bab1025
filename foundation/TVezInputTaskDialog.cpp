#include "foundation/TVezInputTaskDialog.h"

namespace skelda::foundation {

TVezInputTaskDialog::TVezInputTaskDialog(plat::TComponent* AOwner) : TCustomVezTaskDialog(AOwner)
{
    SetInputType(itEdit);
    SetInputDropDownCount(8);
    SetOptions(GetOptions() + TTaskDialogOptions{doHyperlinks, doAllowDialogCancel});
}

int TVezInputTaskDialog::Execute()
{
    TTaskDialogOptions options = GetOptions();
    if (FExpandedDefault)
        options.Include(doExpandedDefault);
    else
        options.Exclude(doExpandedDefault);
    SetOptions(options);
    return ExecuteEmulated();
}

}  // namespace skelda::foundation
