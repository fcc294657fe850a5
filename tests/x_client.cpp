#include "x_client.h"

#include <QElapsedTimer>
#include <QTest>

#include <xcb/xtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> own(Reply* reply)
{
    return Owned<Reply>(reply, &std::free);
}

}  // namespace

XClient::XClient(const std::string& display) : connection_(xcb_connect(display.c_str(), nullptr))
{
    if (!xcb_connection_has_error(connection_))
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
}

XClient::~XClient()
{
    xcb_disconnect(connection_);
}

xcb_window_t XClient::waitForWindow(QSize size, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    do {
        if (const xcb_window_t window = findWindow(size))
            return window;
        QTest::qWait(50);
    } while (clock.elapsed() < timeoutMs);
    return 0;
}

QPoint XClient::origin(xcb_window_t window)
{
    const auto at = own(xcb_translate_coordinates_reply(
        connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr));
    return at ? QPoint(at->dst_x, at->dst_y) : QPoint();
}

void XClient::click(QPoint onScreen)
{
    xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_, std::int16_t(onScreen.x()),
                        std::int16_t(onScreen.y()), 0);
    xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    sync();
}

bool XClient::pressKey(xcb_keysym_t keysym)
{
    const xcb_keycode_t key = keycodeOf(keysym);
    if (key == 0)
        return false;
    xcb_test_fake_input(connection_, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    sync();
    return true;
}

QImage XClient::grab(xcb_window_t window, QRect area)
{
    const auto reply = own(xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, std::int16_t(area.x()), std::int16_t(area.y()),
                      std::uint16_t(area.width()), std::uint16_t(area.height()), ~0u),
        nullptr));
    // The server runs at depth 24 in 32-bit pixels, lowest byte first.
    if (!reply || reply->depth != 24 || xcb_get_setup(connection_)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST ||
        xcb_get_image_data_length(reply.get()) != area.width() * area.height() * 4)
        return {};
    return QImage(xcb_get_image_data(reply.get()), area.width(), area.height(), area.width() * 4,
                  QImage::Format_RGB32)
        .copy();
}

QImage XClient::icon(xcb_window_t window, int size)
{
    const xcb_atom_t netWmIcon = atom("_NET_WM_ICON");
    const auto reply = own(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, netWmIcon, XCB_ATOM_CARDINAL, 0, 1u << 20), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int at = 0; at + 2 <= count;) {
        const int width = int(data[at]), height = int(data[at + 1]);
        if (width <= 0 || height <= 0 || at + 2 + width * height > count)
            break;
        if (width == size && height == size) {
            QImage image(width, height, QImage::Format_ARGB32);
            for (int i = 0; i < width * height; ++i)
                image.setPixel(i % width, i / width, data[at + 2 + i]);
            return image;
        }
        at += 2 + width * height;
    }
    return {};
}

xcb_window_t XClient::findWindow(QSize size)
{
    const auto tree = own(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr));
    if (!tree)
        return 0;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const auto attributes = own(
            xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, children[i]), nullptr));
        const auto geometry =
            own(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, children[i]), nullptr));
        if (attributes && geometry && attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
            !attributes->override_redirect && geometry->width == size.width() && geometry->height == size.height())
            return children[i];
    }
    return 0;
}

xcb_atom_t XClient::atom(const char* name)
{
    const auto reply = own(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, std::uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : XCB_NONE;
}

xcb_keycode_t XClient::keycodeOf(xcb_keysym_t keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto map = own(xcb_get_keyboard_mapping_reply(
        connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, std::uint8_t(count)), nullptr));
    if (!map)
        return 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int perKey = map->keysyms_per_keycode;
    for (int key = 0; key < count; ++key)
        for (int column = 0; column < perKey; ++column)
            if (keysyms[key * perKey + column] == keysym)
                return xcb_keycode_t(setup->min_keycode + key);
    return 0;
}

void XClient::sync()
{
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}
