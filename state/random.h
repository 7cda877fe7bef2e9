// The random draw, behind a seam so that tests can fix it.
#pragma once

namespace tallyrope {

class Random {
  public:
    virtual ~Random() = default;
    virtual void seed(unsigned value) = 0;
    // A non-negative number.
    virtual int next() = 0;
};

// The C library's generator.
class CLibraryRandom final : public Random {
  public:
    void seed(unsigned value) override;
    int next() override;
};

} // namespace tallyrope
