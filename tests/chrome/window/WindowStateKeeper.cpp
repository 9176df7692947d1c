#include "WindowStateKeeper.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

xcb_atom_t Intern(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return atom;
}

} // namespace

WindowStateKeeper::WindowStateKeeper(const QString& display)
{
    m_connection = xcb_connect(display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(m_connection) || pipe(m_stopPipe) != 0)
        return;
    m_stateAtom = Intern(m_connection, "_NET_WM_STATE");
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    // Qt sends its requests to the root window for structure notification
    // or substructure redirection; selecting the former receives them
    // without taking over mapping and configuring, as a real manager would.
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
    m_thread = std::thread([this] { run(); });
}

WindowStateKeeper::~WindowStateKeeper()
{
    if (m_thread.joinable()) {
        const char stop = 0;
        [[maybe_unused]] const auto written = write(m_stopPipe[1], &stop, 1);
        m_thread.join();
    }
    for (int fd : m_stopPipe)
        if (fd >= 0)
            close(fd);
    xcb_disconnect(m_connection);
}

void WindowStateKeeper::run()
{
    pollfd fds[2] = {{xcb_get_file_descriptor(m_connection), POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE) {
                const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
                if (message->type == m_stateAtom && message->format == 32) {
                    // Read the window's states, apply the request (0 remove,
                    // 1 add, 2 toggle) and write them back.
                    auto* reply = xcb_get_property_reply(
                        m_connection,
                        xcb_get_property(m_connection, 0, message->window, m_stateAtom, XCB_ATOM_ATOM, 0, 64), nullptr);
                    std::vector<xcb_atom_t> states;
                    if (reply && reply->format == 32) {
                        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
                        states.assign(values, values + xcb_get_property_value_length(reply) / 4);
                    }
                    free(reply);
                    const uint32_t action = message->data.data32[0];
                    for (int i = 1; i <= 2; ++i) {
                        const xcb_atom_t state = message->data.data32[i];
                        if (state == XCB_ATOM_NONE)
                            continue;
                        const auto found = std::find(states.begin(), states.end(), state);
                        const bool present = found != states.end();
                        if (present && (action == 0 || action == 2))
                            states.erase(found);
                        else if (!present && (action == 1 || action == 2))
                            states.push_back(state);
                    }
                    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, message->window, m_stateAtom,
                                        XCB_ATOM_ATOM, 32, uint32_t(states.size()), states.data());
                    xcb_flush(m_connection);
                }
            }
            free(event);
        }
        if (xcb_connection_has_error(m_connection) || poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
            return;
    }
}
