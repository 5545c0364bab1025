#pragma once

#include "foundation/THandleList.h"
#include "platform/core/Types.h"
#include "platform/system/RegistryRoots.h"

#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace skelda::foundation {

// The message the theme monitor sends when the office theme changed: WParam the watched root
// key, LParam the address of the watched key's path (zero-terminated UTF-8, valid during the
// call).
inline constexpr unsigned WM_OFFICETHEMECHANGED = 2993;

// Watches one key of the settings store (and everything below it) on a thread of its own and,
// after each change, sends WM_OFFICETHEMECHANGED to Wnd and then to every window of WinList, in
// that order, waiting while each handles it. The list belongs to the caller and may change at any
// time; the thread goes through a copy, and a window removed from the list or freed before its
// turn gets nothing. The thread ends when stopped, or at once when the key cannot be opened
// (FatalMessage then says so). The destructor stops the thread, ends a send it waits in, and
// waits for it to end. Configure before Start.
class TRegMonitorThread {
public:
    explicit TRegMonitorThread(THandleList& WinList);
    ~TRegMonitorThread();
    TRegMonitorThread(const TRegMonitorThread&) = delete;
    TRegMonitorThread& operator=(const TRegMonitorThread&) = delete;

    void Start();
    // Marks the thread terminated and signals its event; does not wait.
    void Stop();
    // Whether the thread has ended, and the message of the error that ended it (empty for none).
    bool Finished() const;
    std::string FatalMessage() const;

    const std::string& GetKey() const { return FKey; }
    void SetKey(const std::string& Value) { FKey = Value; }
    plat::HKEY GetRootKey() const { return FRootKey; }
    void SetRootKey(plat::HKEY Value) { FRootKey = Value; }
    // Kept for the caller: the watch always takes in the keys below.
    bool GetWatchSub() const { return FWatchSub; }
    void SetWatchSub(bool Value) { FWatchSub = Value; }
    // The kinds of change watched (the platform's notify filter); reading 0 makes it 15, all
    // four kinds. The settings store tells of every kind of change alike.
    int GetFilter();
    void SetFilter(int Value) { FFilter = Value; }
    plat::HWND GetWnd() const { return FWnd; }
    void SetWnd(plat::HWND Value) { FWnd = Value; }
    THandleList& WinList() { return FWinList; }

private:
    struct Event;

    void Execute(std::stop_token Stop);
    void TellWindows(std::stop_token Stop);

    std::string FKey;
    plat::HKEY FRootKey = plat::HKEY_CURRENT_USER;
    bool FWatchSub = false;
    int FFilter = 0;
    plat::HWND FWnd = 0;
    THandleList& FWinList;
    std::shared_ptr<Event> FEvent;
    mutable std::mutex FStateLock;
    bool FFinished = false;
    std::string FFatalMessage;
    std::jthread FThread;
};

}  // namespace skelda::foundation
