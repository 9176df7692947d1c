#include "RealInput.h"

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <cstdlib>
#include <cstring>
#include <sys/uio.h>

namespace {

// XTEST's FakeInput request, laid out as the protocol has it; the library
// fills in the opcodes and the length. (libxcb-xtest is not needed for
// this one request.)
struct FakeInputRequest {
    uint8_t majorOpcode;
    uint8_t minorOpcode;
    uint16_t length;
    uint8_t type;
    uint8_t detail;
    uint8_t pad0[2];
    uint32_t time;
    uint32_t root;
    uint8_t pad1[8];
    int16_t rootX;
    int16_t rootY;
    uint8_t pad2[7];
    uint8_t deviceId;
};
static_assert(sizeof(FakeInputRequest) == 36);

xcb_atom_t Intern(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

xcb_extension_t g_xtest = {"XTEST", 0};
constexpr uint8_t kFakeInput = 2;
constexpr int kLeftButton = 1;

} // namespace

RealInput::RealInput(const QString& display)
{
    m_connection = xcb_connect(display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(m_connection))
        return;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(m_connection, &g_xtest);
    m_available = extension && extension->present;
}

RealInput::~RealInput()
{
    if (m_scratch)
        xcb_destroy_window(m_connection, m_scratch);
    xcb_disconnect(m_connection);
}

void RealInput::fake(int type, int detail, QPoint global)
{
    if (!m_available)
        return;
    FakeInputRequest request{};
    request.type = uint8_t(type);
    request.detail = uint8_t(detail);
    request.root = m_root;
    request.rootX = int16_t(global.x());
    request.rootY = int16_t(global.y());
    iovec parts[4];
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    parts[3].iov_base = nullptr;
    parts[3].iov_len = 0;
    const xcb_protocol_request_t protocol = {2, &g_xtest, kFakeInput, 1};
    xcb_send_request(m_connection, 0, parts + 2, &protocol);
    // A round trip: the server has taken the event before the test goes on.
    free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

void RealInput::moveTo(QPoint global)
{
    fake(XCB_MOTION_NOTIFY, 0, global);
}

void RealInput::press()
{
    fake(XCB_BUTTON_PRESS, kLeftButton, QPoint());
}

void RealInput::release()
{
    fake(XCB_BUTTON_RELEASE, kLeftButton, QPoint());
}

void RealInput::ask()
{
    if (m_scratch)
        xcb_destroy_window(m_connection, m_scratch);
    m_scratch = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_scratch, m_root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = m_scratch;
    message.type = Intern(m_connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(m_connection, 0, m_root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(m_connection);
}

bool RealInput::answered()
{
    if (!m_scratch)
        return false;
    const xcb_atom_t extents = Intern(m_connection, "_NET_FRAME_EXTENTS");
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, m_scratch, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    const bool answer = reply && reply->value_len > 0;
    free(reply);
    return answer;
}
