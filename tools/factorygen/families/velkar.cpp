#include "families/families.hpp"

namespace factorygen {

std::vector<ResourceSpec> VelkarResources() {
    return {
        ProgramImage("VELKAR", 12283, Chip::AT89S53),
        ProgramImage("VELKARPT", 12143, Chip::AT89S53),
        ProgramImage("VELKAR8A", 12147, Chip::AT89S53),
        ProgramImage("VELKAR8B", 12147, Chip::AT89S53),
        ProgramImage("VELKAR8C", 12147, Chip::AT89S53),
        ProgramImage("VELKAR9", 12147, Chip::AT89S53),
        ProgramImage("VEL_IMP", 12142, Chip::AT89S53),
        ProgramImage("VELKAR12", 12147, Chip::AT89S53),
    };
}

}  // namespace factorygen
