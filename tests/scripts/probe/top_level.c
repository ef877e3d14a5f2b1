/* A top-level window as Wine maps and withdraws one, and the WM_STATE each step leaves on it.
 *   top_level managed   map, withdraw (XWithdrawWindow), map again: one line per step with the state
 *                       (0 withdrawn, 1 normal) or "none" when no WM_STATE came within a second
 *   top_level override  the same map for an override-redirect window: "mapped none" expected
 *   top_level redirect COMMAND...  runs the command while it holds SubstructureRedirect on the
 *                       root as a window manager does; exits with the command's status */
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

static Atom g_wm_state;

static long read_state(Display *display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char *data = NULL;
    long state = -1;
    XGetWindowProperty(display, window, g_wm_state, 0, 2, False, g_wm_state, &type, &format, &count,
                       &remaining, &data);
    if (type == g_wm_state && format == 32 && count == 2) state = ((long *)data)[0];
    if (data != NULL) XFree(data);
    return state;
}

/* Waits up to a second for WM_STATE to become `wanted`, then prints what it is. */
static void report_state(Display *display, Window window, const char *step, long wanted) {
    for (int waited_ms = 0; waited_ms < 1000 && read_state(display, window) != wanted; waited_ms += 10)
        usleep(10000);
    const long state = read_state(display, window);
    if (state < 0) printf("%s none\n", step);
    else printf("%s %ld\n", step, state);
    fflush(stdout);
}

int main(int argc, char **argv) {
    const char *mode = argc > 1 ? argv[1] : "";
    Display *display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "top_level: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    if (strcmp(mode, "redirect") == 0) {
        XSelectInput(display, root, SubstructureRedirectMask);
        XSync(display, False);
        const pid_t child = fork();
        if (child == 0) {
            execvp(argv[2], argv + 2);
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
    }
    g_wm_state = XInternAtom(display, "WM_STATE", False);
    XSetWindowAttributes attributes;
    attributes.override_redirect = strcmp(mode, "override") == 0;
    const Window window = XCreateWindow(display, root, 10, 10, 64, 48, 0, CopyFromParent, InputOutput,
                                        CopyFromParent, CWOverrideRedirect, &attributes);
    XMapWindow(display, window);
    XSync(display, False);
    report_state(display, window, "mapped", 1);
    if (attributes.override_redirect) return 0;
    XWithdrawWindow(display, window, DefaultScreen(display));
    XSync(display, False);
    report_state(display, window, "withdrawn", 0);
    XMapWindow(display, window);
    XSync(display, False);
    report_state(display, window, "mapped", 1);
    return 0;
}
