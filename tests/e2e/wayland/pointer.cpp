// A left click at one place of a Wayland compositor's screen, made through a virtual pointer:
//   pentavo-e2e-pointer X Y WIDTH HEIGHT
// X Y in the layout's pixels, WIDTH HEIGHT the layout's size. A headless compositor has no
// pointer of its own, and its clients see one only once it exists: the helper waits before it
// moves and clicks.
#include "virtual-pointer-client.h"

#include <wayland-client.h>

#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>

namespace {

constexpr std::uint32_t LeftButton = 0x110; // BTN_LEFT
constexpr auto Settle = std::chrono::milliseconds(500);

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void Announce(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t /*version*/) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == nullptr)
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        globals->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}

void Withdraw(void* /*data*/, wl_registry* /*registry*/, std::uint32_t /*name*/) {}

std::uint32_t Now() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Nothing is left to tell when standard error itself cannot be written.
void Complain(const std::string& text) {
    static_cast<void>(std::fputs(text.c_str(), stderr));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        Complain(std::string("usage: ") + argv[0] + " X Y WIDTH HEIGHT\n");
        return 2;
    }
    std::uint32_t numbers[4];
    for (int i = 0; i < 4; ++i) {
        const std::string_view text = argv[i + 1];
        const auto [end, error] = std::from_chars(text.begin(), text.end(), numbers[i]);
        if (error != std::errc() || end != text.end()) {
            Complain(std::string("pentavo-e2e-pointer: not a number: ") + argv[i + 1] + "\n");
            return 2;
        }
    }
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        Complain("pentavo-e2e-pointer: no Wayland display\n");
        return 1;
    }
    Globals globals;
    const wl_registry_listener listener{Announce, Withdraw};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &globals);
    wl_display_roundtrip(display);
    if (globals.manager == nullptr) {
        Complain("pentavo-e2e-pointer: the compositor makes no virtual pointers\n");
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, globals.seat);
    wl_display_roundtrip(display);
    std::this_thread::sleep_for(Settle);

    zwlr_virtual_pointer_v1_motion_absolute(pointer, Now(), numbers[0], numbers[1], numbers[2],
                                            numbers[3]);
    zwlr_virtual_pointer_v1_frame(pointer);
    wl_display_roundtrip(display);
    for (const auto state : {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
        zwlr_virtual_pointer_v1_button(pointer, Now(), LeftButton, state);
        zwlr_virtual_pointer_v1_frame(pointer);
        wl_display_roundtrip(display);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
