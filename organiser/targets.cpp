#include "organiser/targets.h"

#include <array>

namespace tovik {
namespace {

struct TargetInfo {
  std::string_view name;
  TargetOwner owner;
};

// In the order of the enumeration.
#define TOVIK_TARGET_INFO(name, owner) TargetInfo{#name, TargetOwner::owner},
constexpr std::array kTargets{TOVIK_TARGETS(TOVIK_TARGET_INFO)};
#undef TOVIK_TARGET_INFO

}  // namespace

TargetOwner OwnerOf(Target target) {
  return kTargets[static_cast<size_t>(target)].owner;
}

std::string_view TargetName(Target target) {
  return kTargets[static_cast<size_t>(target)].name;
}

}  // namespace tovik
