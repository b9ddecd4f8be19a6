// Screen reader support through the accessibility APIs that every Windows has, and the UI
// Automation notification where the system offers it.
//
// A new page is announced with UiaRaiseNotificationEvent: it carries the page's text itself,
// so Narrator and NVDA read it while the focus stays in the input line. The function exists
// from Windows 10 1709 on and is looked up at run time. Where it is missing (older Windows,
// and Wine), the narration is a polite live region instead and EVENT_OBJECT_LIVEREGIONCHANGED
// tells the screen reader that it changed.
#include "screen_reader.h"

#include <initguid.h>
// After initguid.h: the property GUIDs are defined here, not only declared.
#include <oleacc.h>
#include <oleauto.h>

namespace kvelt::win32 {
namespace {

// UI Automation's LiveSetting property, not in MinGW's headers.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr long kPolite = 1;
constexpr int kNotificationActionCompleted = 2;
constexpr int kNotificationImportantMostRecent = 1;
#ifndef EVENT_OBJECT_LIVEREGIONCHANGED
constexpr DWORD EVENT_OBJECT_LIVEREGIONCHANGED = 0x8019;
#endif

using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);

}  // namespace

ScreenReader::ScreenReader() {
  ::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&properties_));
  automation_ = ::LoadLibraryW(L"uiautomationcore.dll");
  if (automation_ != nullptr) {
    hostProvider_ =
        reinterpret_cast<void*>(::GetProcAddress(automation_, "UiaHostProviderFromHwnd"));
    raiseNotification_ =
        reinterpret_cast<void*>(::GetProcAddress(automation_, "UiaRaiseNotificationEvent"));
  }
}

ScreenReader::~ScreenReader() {
  if (properties_ != nullptr) properties_->Release();
  if (automation_ != nullptr) ::FreeLibrary(automation_);
}

void ScreenReader::name(HWND control, const std::wstring& text) {
  if (properties_ == nullptr) return;
  properties_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              PROPID_ACC_NAME, text.c_str());
}

void ScreenReader::announceFrom(HWND control) {
  announcer_ = control;
  liveRegion(control);
}

void ScreenReader::liveRegion(HWND control) {
  if (properties_ == nullptr) return;
  VARIANT polite;
  ::VariantInit(&polite);
  polite.vt = VT_I4;
  polite.lVal = kPolite;
  properties_->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                           kLiveSettingProperty, polite);
}

void ScreenReader::announce(const std::wstring& text, HWND control) {
  if (control == nullptr) return;
  if (raiseNotification_ != nullptr && hostProvider_ != nullptr) {
    IUnknown* provider = nullptr;
    if (SUCCEEDED(reinterpret_cast<HostProviderFromHwnd>(hostProvider_)(control, &provider)) &&
        provider != nullptr) {
      BSTR said = ::SysAllocString(text.c_str());
      BSTR activity = ::SysAllocString(L"kvelt.page");
      // The most recent page only: after a quick series of Enter the old pages are not read.
      const HRESULT raised = reinterpret_cast<RaiseNotificationEvent>(raiseNotification_)(
          provider, kNotificationActionCompleted, kNotificationImportantMostRecent, said, activity);
      ::SysFreeString(said);
      ::SysFreeString(activity);
      provider->Release();
      if (SUCCEEDED(raised)) return;
    }
  }
  ::NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace kvelt::win32
