// The random draw, behind a seam so that tests can fix it.
#pragma once

#include <random>

namespace tallyrope {

class Random {
  public:
    virtual ~Random() = default;
    virtual void seed(unsigned value) = 0;
    // A number from 0 to 2^31 - 1, each as likely as any other.
    virtual int next() = 0;
};

// The standard library's Mersenne Twister: the same range on every platform, where the C
// library's rand() stops at 32767 on some.
class MersenneRandom final : public Random {
  public:
    void seed(unsigned value) override;
    int next() override;

  private:
    std::mt19937 engine_;
};

} // namespace tallyrope
