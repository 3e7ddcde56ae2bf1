#pragma once
#include <string>
#include <string_view>

#include "framework/core/Object.h"

namespace fw {

// A picture opened from the application's resources.
class Picture : public Object {
  public:
    Picture();
    ~Picture() override;
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

    // The PNG of that name in the resources folder beside the executable (with
    // its double-resolution "<name>@2x.png" when there is one), or nil when it is
    // missing or unreadable.
    static Ref<Picture> _OpenFromApp(std::string_view fileName);

    // Size in points.
    int64_t Width() const;
    int64_t Height() const;

    struct Impl;
    Impl& _Impl() const { return *impl_; }

  private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace fw
