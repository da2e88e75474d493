// The engine tests run in two programs, with and without the UTF-8 code page in their manifest;
// this file, compiled for each, tells the tests which one they are in.
extern const bool kBuiltForUtf8CodePage = SEALWICK_TEST_UTF8_CODE_PAGE != 0;
