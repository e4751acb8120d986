// The process floor: a dynamically linked C++ program that does nothing.
#include <string>

int main(int argc, char**) {
    std::string nothing(static_cast<size_t>(argc) - 1, ' ');
    return static_cast<int>(nothing.size());
}
