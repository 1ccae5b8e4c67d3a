#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

// Paired samples: run i of the measured side and run i of its floor were taken
// next to each other, so their ratio cancels most of the machine's drift.
struct Paired {
    std::vector<double> subject;
    std::vector<double> floor;

    void add(double s, double f)
    {
        subject.push_back(s);
        floor.push_back(f);
    }
    std::vector<double> ratios() const
    {
        std::vector<double> r;
        for (size_t i = 0; i < subject.size(); ++i)
            r.push_back(subject[i] / floor[i]);
        return r;
    }
};

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double minOf(const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); }
inline double maxOf(const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); }

inline double nowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
