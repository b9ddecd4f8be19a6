// Resource numbers shared by kvelt.rc and the code that loads them.
#pragma once

#define KVELT_ICON 1
#define KVELT_BACKGROUND 2
