// The map's window: it paints the picture it was last given, through a bitmap so that redrawing
// over the pane never flickers.
#include "map_view.h"

#include <utility>

#include "map_drawing.h"

namespace kvelt::win32 {
namespace {

constexpr wchar_t kMapClass[] = L"KveltMap";

}  // namespace

void MapView::create(HINSTANCE instance, HWND parent, int id, const RECT& place, HFONT font) {
  font_ = font;
  WNDCLASSEXW mapClass{};
  mapClass.cbSize = sizeof mapClass;
  mapClass.lpfnWndProc = proc;
  mapClass.hInstance = instance;
  mapClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  mapClass.lpszClassName = kMapClass;
  ::RegisterClassExW(&mapClass);
  window_ = ::CreateWindowExW(0, kMapClass, L"", WS_CHILD, place.left, place.top,
                              place.right - place.left, place.bottom - place.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void MapView::show(MapPicture picture, const std::wstring& description) {
  picture_ = std::move(picture);
  ::SetWindowTextW(window_, description.c_str());
  ::ShowWindow(window_, SW_SHOWNA);
  ::InvalidateRect(window_, nullptr, FALSE);
}

void MapView::hide() {
  ::ShowWindow(window_, SW_HIDE);
}

LRESULT CALLBACK MapView::proc(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<MapView*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && message == WM_PAINT) {
    self->paint();
    return 0;
  }
  // The bitmap covers every pixel: no background to erase first.
  if (message == WM_ERASEBKGND) return 1;
  return ::DefWindowProcW(window, message, w, l);
}

void MapView::paint() {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window_, &paint);
  RECT client;
  ::GetClientRect(window_, &client);
  HDC memory = ::CreateCompatibleDC(dc);
  HBITMAP bitmap = ::CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  drawMap(memory, client, picture_, font_);
  ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::EndPaint(window_, &paint);
}

}  // namespace kvelt::win32
