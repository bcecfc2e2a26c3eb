// SPDX-License-Identifier: MIT
#include "x_session.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <poll.h>

#include <stdexcept>

namespace qm5::bench {

struct XSession::Impl {
    Display* display = nullptr;
    Window root = 0;
};

XSession::XSession() : impl_(new Impl) {
    impl_->display = XOpenDisplay(nullptr);
    if (impl_->display == nullptr) throw std::runtime_error("no X display: run under xvfb-run");
    impl_->root = DefaultRootWindow(impl_->display);
    XSelectInput(impl_->display, impl_->root, SubstructureNotifyMask);
    XFlush(impl_->display);
}

XSession::~XSession() {
    XCloseDisplay(impl_->display);
    delete impl_;
}

std::optional<std::pair<unsigned long, XSession::Clock::time_point>> XSession::waitForMap(
    std::chrono::milliseconds limit) {
    const Clock::time_point deadline = Clock::now() + limit;
    pollfd wait{ConnectionNumber(impl_->display), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (XPending(impl_->display) > 0) {
            XEvent event;
            XNextEvent(impl_->display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                return std::pair{event.xmap.window, Clock::now()};
            }
        }
        ::poll(&wait, 1, 5);
    }
    return std::nullopt;
}

int XSession::width(unsigned long window) const {
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    XGetGeometry(impl_->display, window, &root, &x, &y, &width, &height, &border, &depth);
    return static_cast<int>(width);
}

void XSession::moveTo(unsigned long window, int x, int y) {
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(impl_->display, window, impl_->root, x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(impl_->display, -1, rootX, rootY, CurrentTime);
    XSync(impl_->display, False);
}

XSession::Clock::time_point XSession::button(bool press) {
    XTestFakeButtonEvent(impl_->display, 1, press ? True : False, CurrentTime);
    XFlush(impl_->display);
    return Clock::now();
}

}  // namespace qm5::bench
