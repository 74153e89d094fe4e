// A shared library that loads but exports none of the formula functions.
extern "C" __attribute__((visibility("default"))) int unrelated_symbol(void) { return 7; }
