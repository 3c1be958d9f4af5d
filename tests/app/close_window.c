/* close-window WINDOW: asks an X11 window to close the way a window manager does, with a
 * WM_DELETE_WINDOW message, so the application goes through its normal close path. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xcb/xcb.h>

static xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, (uint16_t)strlen(name), name), NULL);
    const xcb_atom_t value = reply != NULL ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return value;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: close-window WINDOW\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(connection)) {
        fprintf(stderr, "close-window: cannot connect to the X server\n");
        return 1;
    }
    xcb_client_message_event_t event;
    memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = (xcb_window_t)strtoul(argv[1], NULL, 0);
    event.type = atom(connection, "WM_PROTOCOLS");
    event.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT, (const char*)&event);
    xcb_flush(connection);
    xcb_disconnect(connection);
    return 0;
}
