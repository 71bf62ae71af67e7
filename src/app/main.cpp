#include <cstdio>
int main() { std::puts("Tallivo"); return 0; }
