// Measures the program from outside, as a window manager sees it: pings its top-level
// window with _NET_WM_PING, the next ping as soon as the answer is back, and records how
// long each answer took. The window's thread answers a ping only between two events, so
// a long answer is a pause of that thread.
//
// Usage: window_ping <window title> <seconds>
// Waits for the window to appear, pings it until it is gone or the time is up, and
// prints "ping <ms since the window appeared> <answer ms>" for every answer slower than
// 20 ms, then "pings <count> longest <ms>".

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr), &std::free);
    return reply ? reply->atom : XCB_ATOM_NONE;
}

std::string windowName(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netWmName, xcb_atom_t utf8)
{
    for (auto [property, type] :
         {std::pair{netWmName, utf8}, std::pair{xcb_atom_t(XCB_ATOM_WM_NAME), xcb_atom_t(XCB_ATOM_STRING)}}) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 1024), nullptr), &std::free);
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                               size_t(xcb_get_property_value_length(reply.get())));
    }
    return {};
}

// The mapped child of the root whose title is `title`.
xcb_window_t findWindow(xcb_connection_t* c, xcb_window_t root, const std::string& title)
{
    const xcb_atom_t netWmName = atom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(c, "UTF8_STRING");
    std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
        xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr), &std::free);
    if (!tree)
        return XCB_WINDOW_NONE;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr), &std::free);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE
            && windowName(c, children[i], netWmName, utf8) == title)
            return children[i];
    }
    return XCB_WINDOW_NONE;
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_ping <window title> <seconds>\n");
        return 2;
    }
    const std::string title = argv[1];
    const auto until = Clock::now() + std::chrono::seconds(std::atoi(argv[2]));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "window_ping: no display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // The answers go to the root window, to whoever listens to its own changes (as the
    // toolkit sends them) or its children's (as others do); the children's tell when the
    // window is gone.
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS");
    const xcb_atom_t ping = atom(c, "_NET_WM_PING");

    xcb_window_t window = XCB_WINDOW_NONE;
    while (window == XCB_WINDOW_NONE && Clock::now() < until) {
        window = findWindow(c, root, title);
        if (window == XCB_WINDOW_NONE)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (window == XCB_WINDOW_NONE) {
        std::fprintf(stderr, "window_ping: no window \"%s\"\n", title.c_str());
        return 1;
    }
    const Clock::time_point appeared = Clock::now();
    int count = 0;
    double longest = 0;
    uint32_t serial = 1;
    while (Clock::now() < until) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols;
        message.data.data32[0] = ping;
        message.data.data32[1] = ++serial;
        message.data.data32[2] = window;
        const Clock::time_point sent = Clock::now();
        xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
        xcb_flush(c);
        bool answered = false;
        bool gone = false;
        while (!answered && !gone && Clock::now() < until) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(c), &std::free);
            if (!event) {
                if (xcb_connection_has_error(c))
                    return 1;
                std::this_thread::sleep_for(std::chrono::microseconds(200));
                continue;
            }
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_DESTROY_NOTIFY
                && reinterpret_cast<xcb_destroy_notify_event_t*>(event.get())->window == window)
                gone = true;
            if (type == XCB_CLIENT_MESSAGE) {
                const auto* reply = reinterpret_cast<xcb_client_message_event_t*>(event.get());
                answered = reply->data.data32[0] == ping && reply->data.data32[1] == serial;
            }
        }
        if (gone || !answered)
            break;
        const double ms = msBetween(sent, Clock::now());
        ++count;
        if (ms > longest)
            longest = ms;
        if (ms > 20)
            std::printf("ping %.0f %.1f\n", msBetween(appeared, sent), ms);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::printf("pings %d longest %.1f\n", count, longest);
    xcb_disconnect(c);
    return 0;
}
