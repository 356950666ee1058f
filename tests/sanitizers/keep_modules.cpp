// Preloaded into every process of the sanitizer test run: dlclose() does
// nothing, so no shared library is ever unloaded.
//
// Mesa loads its GL driver with dlopen and unloads it when SDL closes the X
// display, before LeakSanitizer looks at the heap. A leak reported from an
// unloaded module has no module name and no symbols, so no suppression can
// name it, and memory the driver still holds in its globals would be
// reported as lost. Keeping the modules mapped fixes both. It is built
// without sanitizers: it also lands in ctest, sh and xdotool.

extern "C" int dlclose(void*)
{
    return 0;
}
