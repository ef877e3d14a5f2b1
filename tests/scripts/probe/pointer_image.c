/* Tells whether the X server draws a pointer now: "shown" when the image of the current cursor
 * (XFixes) has an opaque pixel, "hidden" when every pixel is transparent, then its size.
 * Wine hides the pointer by giving the window an empty cursor, so the image is what counts. */
#include <stdio.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

int main(void) {
    Display *display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "pointer_image: no X display\n");
        return 2;
    }
    int eventBase, errorBase;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase)) {
        fprintf(stderr, "pointer_image: no XFIXES extension\n");
        return 2;
    }
    XFixesCursorImage *image = XFixesGetCursorImage(display);
    if (image == NULL) {
        fprintf(stderr, "pointer_image: no cursor image\n");
        return 2;
    }
    int opaque = 0;
    for (int i = 0; i < image->width * image->height; ++i) {
        if ((image->pixels[i] >> 24) != 0) ++opaque;
    }
    printf("%s %dx%d\n", opaque > 0 ? "shown" : "hidden", image->width, image->height);
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
