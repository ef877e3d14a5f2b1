/* Gives a RandR output of an X server the EDID in a file, as a monitor plugged into it would:
 *   output_edid OUTPUT FILE     (an empty FILE takes the output's EDID away)
 * The X server then reports those bytes to every client that starts afterwards. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <stdio.h>
#include <string.h>

static long ReadFile(const char* path, unsigned char* bytes, long room) {
    FILE* file = fopen(path, "rb");
    if (file == NULL) return -1;
    const long length = (long)fread(bytes, 1, (size_t)room, file);
    fclose(file);
    return length;
}

static int HasProperty(Display* display, RROutput output, Atom property) {
    int count = 0;
    Atom* properties = XRRListOutputProperties(display, output, &count);
    int found = 0;
    for (int i = 0; i < count; ++i) found |= properties[i] == property;
    if (properties != NULL) XFree(properties);
    return found;
}

static RROutput FindOutput(Display* display, XRRScreenResources* screen, const char* name) {
    for (int i = 0; i < screen->noutput; ++i) {
        XRROutputInfo* info = XRRGetOutputInfo(display, screen, screen->outputs[i]);
        const int match = info != NULL && strcmp(info->name, name) == 0;
        if (info != NULL) XRRFreeOutputInfo(info);
        if (match) return screen->outputs[i];
    }
    return None;
}

int main(int argc, char** argv) {
    static unsigned char edid[32768];
    if (argc != 3) {
        fprintf(stderr, "usage: output_edid OUTPUT FILE\n");
        return 2;
    }
    const long length = ReadFile(argv[2], edid, (long)sizeof(edid));
    if (length < 0) {
        fprintf(stderr, "output_edid: cannot read %s\n", argv[2]);
        return 1;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "output_edid: no X display\n");
        return 1;
    }
    XRRScreenResources* screen = XRRGetScreenResources(display, DefaultRootWindow(display));
    const RROutput output = screen != NULL ? FindOutput(display, screen, argv[1]) : None;
    if (output == None) {
        fprintf(stderr, "output_edid: no output %s\n", argv[1]);
        return 1;
    }
    const Atom property = XInternAtom(display, "EDID", False);
    if (length == 0) {
        if (HasProperty(display, output, property)) XRRDeleteOutputProperty(display, output, property);
    } else {
        XRRChangeOutputProperty(display, output, property, XA_INTEGER, 8, PropModeReplace, edid, (int)length);
    }
    XSync(display, False);
    XRRFreeScreenResources(screen);
    XCloseDisplay(display);
    return 0;
}
