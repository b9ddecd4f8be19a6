// The window's two fixed captions, shared by every front end that shows them.
#pragma once

namespace kvelt {

inline constexpr const char* kLabel1Caption = "Máš u sebe:";
inline constexpr const char* kLabel2Caption = "Developed by J.X.W";

}  // namespace kvelt
