#include "HistoryOnX.h"

#include <xcb/xcb.h>

#include <cstring>
#include <memory>

QRect FindMappedWindow(const QString& display, const QString& title)
{
    xcb_connection_t* connection = xcb_connect(display.toLatin1().constData(), nullptr);
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> closer(connection, xcb_disconnect);
    if (xcb_connection_has_error(connection))
        return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::unique_ptr<xcb_query_tree_reply_t, void (*)(void*)> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, screen->root), nullptr), std::free);
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const QByteArray wanted = title.toUtf8();
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const std::unique_ptr<xcb_get_window_attributes_reply_t, void (*)(void*)> attributes(
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, children[i]), nullptr),
            std::free);
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        const std::unique_ptr<xcb_get_property_reply_t, void (*)(void*)> name(
            xcb_get_property_reply(
                connection,
                xcb_get_property(connection, 0, children[i], XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                nullptr),
            std::free);
        if (!name
            || QByteArray(static_cast<const char*>(xcb_get_property_value(name.get())),
                          xcb_get_property_value_length(name.get()))
                != wanted)
            continue;
        const std::unique_ptr<xcb_get_geometry_reply_t, void (*)(void*)> geometry(
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, children[i]), nullptr), std::free);
        if (geometry)
            return QRect(geometry->x, geometry->y, geometry->width, geometry->height);
    }
    return {};
}
