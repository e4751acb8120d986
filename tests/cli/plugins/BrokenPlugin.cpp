// A library that is not a plug-in: it lacks the registration entry point.
extern "C" __attribute__((visibility("default"))) int NotAnEntryPoint() { return 0; }
