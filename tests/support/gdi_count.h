// How many GDI objects this process holds, as far as Wine lets a program see it.
#pragma once

// GDI objects alive now, plus a constant. GetGuiResources answers 0 under Wine, so this takes
// more handles than there are free slots and reads how far the highest one reaches: freed slots
// are handed out first, whatever order they were freed in.
int LiveGdiObjects();
