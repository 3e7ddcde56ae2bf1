/* A clipboard manager for the end-to-end scenarios. It owns CLIPBOARD_MANAGER;
 * when a program that quits asks it for SAVE_TARGETS, it fetches that program's
 * CLIPBOARD as UTF8_STRING, writes it to standard output, answers the request
 * and ends. Some managers keep the PRIMARY selection as well: given another
 * selection's name, it fetches that one instead. "ready" on standard error says
 * that it owns CLIPBOARD_MANAGER. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <limits.h>
#include <stdio.h>

/* Fetches the selection into the property `kept` of `self` and writes it out;
 * true when the owner handed it over. */
static int Fetch(Display* display, Atom selection, Window self, Atom kept) {
    XConvertSelection(display, selection, XInternAtom(display, "UTF8_STRING", False), kept, self,
                      CurrentTime);
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != SelectionNotify);
    if (event.xselection.property != kept) {
        return 0;
    }
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* text = NULL;
    XGetWindowProperty(display, self, kept, 0, LONG_MAX / 4, True, AnyPropertyType, &type, &format,
                       &count, &after, &text);
    if (text != NULL) {
        fwrite(text, 1, count, stdout);
        fflush(stdout);
        XFree(text);
    }
    return 1;
}

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fputs("clipboard_keeper: no display\n", stderr);
        return 1;
    }
    const Window self =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom manager = XInternAtom(display, "CLIPBOARD_MANAGER", False);
    const Atom save = XInternAtom(display, "SAVE_TARGETS", False);
    const Atom selection = XInternAtom(display, argc > 1 ? argv[1] : "CLIPBOARD", False);
    XSetSelectionOwner(display, manager, self, CurrentTime);
    if (XGetSelectionOwner(display, manager) != self) {
        fputs("clipboard_keeper: another manager owns CLIPBOARD_MANAGER\n", stderr);
        return 1;
    }
    fputs("ready\n", stderr);
    int saved = 0;
    while (!saved) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != SelectionRequest) {
            continue;
        }
        const XSelectionRequestEvent request = event.xselectionrequest;
        saved = request.selection == manager && request.target == save &&
                Fetch(display, selection, self, XInternAtom(display, "KEPT", False));
        /* Any other request is refused: the property None. */
        XSelectionEvent reply = {.type = SelectionNotify,
                                 .display = display,
                                 .requestor = request.requestor,
                                 .selection = request.selection,
                                 .target = request.target,
                                 .property = saved ? request.property : None,
                                 .time = request.time};
        XSendEvent(display, request.requestor, False, NoEventMask, (XEvent*)&reply);
    }
    XCloseDisplay(display);
    return 0;
}
