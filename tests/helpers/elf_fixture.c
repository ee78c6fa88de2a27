/* Built as an executable, a PIE, a shared library and a 32-bit object for the ELF reader tests;
   no headers, so that a compiler without 32-bit libraries can build the object. */
int vok_fixture_value(void) {
    return 42;
}

#ifndef VOK_FIXTURE_LIBRARY
int main(void) {
    return vok_fixture_value() - 42;
}
#endif
