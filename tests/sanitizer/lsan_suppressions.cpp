// Linked into every program of a sanitized build. SDL connects to D-Bus when
// it starts its audio thread; with DISPLAY set and no session bus, libdbus
// tries to autolaunch one and keeps an allocation for the life of the
// process, which SDL_Quit cannot release. That is libdbus's, not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
