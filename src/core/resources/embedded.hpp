#pragma once

#include <cstddef>
#include <span>

namespace vertanum::resources {

// One file of data built into the program.
struct EmbeddedResource {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

// Every resource compiled into this program, in the order the build listed them.
std::span<const EmbeddedResource> EmbeddedTable();

}  // namespace vertanum::resources
