#pragma once

// The settings and events of the task dialog component (TCustomVezTaskDialog).

#include "platform/core/TSet.h"

#include <cstdint>
#include <functional>
#include <string>

namespace plat {
class TObject;
}

namespace skelda::foundation {

enum TTaskDialogOption {
    doHyperlinks,
    doCommandLinks,
    doCommandLinksNoIcon,
    doExpandedDefault,
    doExpandedFooter,
    doAllowMinimize,
    doVerifyChecked,
    doProgressBar,
    doProgressBarMarquee,
    doTimer,
    doNoDefaultRadioButton,
    doAllowDialogCancel,
};
using TTaskDialogOptions = plat::TSet<TTaskDialogOption>;

enum TTaskDialogIcon { tiBlank, tiWarning, tiQuestion, tiError, tiInformation, tiNotUsed, tiShield };
enum TTaskDialogFooterIcon { tfiBlank, tfiWarning, tfiQuestion, tfiError, tfiInformation, tfiShield };

enum TCommonButton { cbOK, cbYes, cbNo, cbCancel, cbRetry, cbClose };
using TCommonButtons = plat::TSet<TCommonButton>;

enum TTaskDialogPosition { dpScreenCenter, dpOwnerFormCenter };
// nndAlways shows the emulated dialog even where the platform's own one is there.
enum TNonNativeDialog { nndAuto, nndAlways };
enum TTaskDialogProgressState { psNormal, psError, psPaused };
// The input field of the emulated dialog: an edit, a memo, a combo box with an edit or a fixed
// list, a date picker, a control the caller supplies, or none.
enum TInputType { itEdit, itMemo, itComboEdit, itComboList, itDate, itCustom, itNone };

using TTaskDialogButtonClickEvent = std::function<void(plat::TObject* Sender, std::int32_t ButtonID)>;
using TTaskDialogHyperlinkClickEvent = std::function<void(plat::TObject* Sender, const std::string& HRef)>;
using TTaskDialogVerifyClickEvent = std::function<void(plat::TObject* Sender, bool Checked)>;
using TTaskDialogCloseEvent = std::function<void(plat::TObject* Sender, bool& CanClose)>;
using TInputGetTextEvent = std::function<void(plat::TObject* Sender, std::string& Text)>;
using TInputSetTextEvent = std::function<void(plat::TObject* Sender, const std::string& Text)>;
// IsValid false keeps the dialog open; a changed NewValue then replaces the typed value.
using TValidateInputTextEvent = std::function<void(plat::TObject* Sender, std::string& NewValue, std::int32_t Data,
                                                   std::int32_t ModalResult, bool& IsValid)>;
using TTaskDialogProgressEvent =
    std::function<void(plat::TObject* Sender, std::int32_t& Pos, TTaskDialogProgressState& State)>;

}  // namespace skelda::foundation
