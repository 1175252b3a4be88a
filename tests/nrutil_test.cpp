// Tests of the NRUTIL allocation routines. The binary is linked with --wrap=calloc and
// --wrap=free, so every block the routines request or give back passes through the
// recorder below, which can also refuse one chosen request.
#include "NRUTIL.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <vector>

extern "C" void* __real_calloc(std::size_t count, std::size_t size);
extern "C" void __real_free(void* block);
extern "C" void* __wrap_calloc(std::size_t count, std::size_t size);
extern "C" void __wrap_free(void* block);

namespace {

struct Request {
  std::size_t count;
  std::size_t size;
  void* block;

  bool operator==(const Request&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Request& r) {
    return out << "calloc(" << r.count << ", " << r.size << ") -> " << r.block;
  }
};

// What the routines asked of the allocator, and gave back to it, while recording was on.
struct AllocatorLog {
  std::vector<Request> requests;
  std::vector<void*> releases;
};

constexpr std::size_t kRefuseNone = SIZE_MAX;

AllocatorLog* recording = nullptr;
std::size_t refused_request = kRefuseNone;

// Runs action under recording; the request of index refuse, counted from 0, yields null.
template <typename Action>
AllocatorLog record(Action action, std::size_t refuse = kRefuseNone) {
  AllocatorLog log;
  recording = &log;
  refused_request = refuse;
  action();
  recording = nullptr;
  return log;
}

bool all_bytes_zero(const void* block, std::size_t bytes) {
  const auto* p = static_cast<const unsigned char*>(block);
  for (std::size_t i = 0; i < bytes; ++i) {
    if (p[i] != 0) {
      return false;
    }
  }
  return true;
}

// The blocks a failed matrix allocation must give back: its rows in order, then its row
// table, which is always the first request.
std::vector<void*> rows_then_table(const AllocatorLog& log) {
  std::vector<void*> blocks;
  for (std::size_t i = 1; i < log.requests.size(); ++i) {
    if (log.requests[i].block != nullptr) {
      blocks.push_back(log.requests[i].block);
    }
  }
  if (!log.requests.empty() && log.requests[0].block != nullptr) {
    blocks.push_back(log.requests[0].block);
  }
  return blocks;
}

template <typename T, T** (*Allocate)(int, int), void (*Release)(T**, int)>
struct MatrixRoutines {
  using Element = T;
  static constexpr auto allocate = Allocate;
  static constexpr auto release = Release;
};

template <typename T, T* (*Allocate)(int), void (*Release)(T*)>
struct VectorRoutines {
  using Element = T;
  static constexpr auto allocate = Allocate;
  static constexpr auto release = Release;
};

using MatrixTypes = ::testing::Types<
    MatrixRoutines<float, fmatrice, frfmatrice>,
    MatrixRoutines<unsigned char, ucmatrice, frucmatrice>,
    MatrixRoutines<unsigned short, usmatrice, frusmatrice>,
    MatrixRoutines<short, smatrice, frsmatrice>,
    MatrixRoutines<int, imatrice, frimatrice>,
    MatrixRoutines<double, dmatrice, frdmatrice>,
    MatrixRoutines<long double, ldmatrice, frldmatrice>>;

using VectorTypes = ::testing::Types<
    VectorRoutines<unsigned char, ucvecteur, frucvecteur>,
    VectorRoutines<unsigned short, usvecteur, frusvecteur>,
    VectorRoutines<short, svecteur, frsvecteur>,
    VectorRoutines<int, ivecteur, frivecteur>,
    VectorRoutines<double, dvecteur, frdvecteur>,
    VectorRoutines<float, fvecteur, frfvecteur>>;

template <typename Routines>
class MatrixTest : public ::testing::Test {};
TYPED_TEST_SUITE(MatrixTest, MatrixTypes);

template <typename Routines>
class VectorTest : public ::testing::Test {};
TYPED_TEST_SUITE(VectorTest, VectorTypes);

TYPED_TEST(MatrixTest, HandsOutZeroFilledRowsAndTakesThemBackBeforeTheRowTable) {
  using T = typename TypeParam::Element;
  constexpr int kNbCol = 3;
  constexpr int kNbLig = 2;
  T** mat = nullptr;
  const AllocatorLog made = record([&] { mat = TypeParam::allocate(kNbCol, kNbLig); });

  ASSERT_NE(mat, nullptr);
  const std::vector<Request> expected_requests{{kNbLig, sizeof(T*), mat},
                                               {kNbCol, sizeof(T), mat[0]},
                                               {kNbCol, sizeof(T), mat[1]}};
  EXPECT_EQ(made.requests, expected_requests);
  EXPECT_TRUE(made.releases.empty());
  // All-zero bytes: integers read 0 and floating elements +0.0, not -0.0.
  for (int r = 0; r < kNbLig; ++r) {
    EXPECT_TRUE(all_bytes_zero(mat[r], kNbCol * sizeof(T))) << "row " << r;
  }

  const std::vector<void*> expected_releases{mat[0], mat[1], mat};
  const AllocatorLog released = record([&] { TypeParam::release(mat, kNbLig); });
  EXPECT_TRUE(released.requests.empty());
  EXPECT_EQ(released.releases, expected_releases);
}

TYPED_TEST(MatrixTest, FillingOneRowToItsEndLeavesTheNextRowUntouched) {
  using T = typename TypeParam::Element;
  constexpr int kNbCol = 4;
  T** mat = TypeParam::allocate(kNbCol, 2);
  ASSERT_NE(mat, nullptr);

  for (int c = 0; c < kNbCol; ++c) {
    mat[0][c] = T{1};
  }
  EXPECT_TRUE(all_bytes_zero(mat[1], kNbCol * sizeof(T)));
  TypeParam::release(mat, 2);
}

TYPED_TEST(MatrixTest, CountsBelowOneYieldNullAndLeaveNothingBehind) {
  using T = typename TypeParam::Element;
  struct Case {
    int NbCol;
    int NbLig;
    std::size_t row_tables_requested;
  };
  // A row count below one stops before the allocator; a column count below one fails
  // row 0, after the row table was obtained.
  const Case cases[] = {{5, 0, 0}, {0, 5, 1}, {0, 0, 0}, {3, -1, 0}, {-1, 2, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "NbCol " << c.NbCol << ", NbLig " << c.NbLig);
    T* unchanged = nullptr;
    T** mat = &unchanged;
    const AllocatorLog log = record([&] { mat = TypeParam::allocate(c.NbCol, c.NbLig); });

    EXPECT_EQ(mat, nullptr);
    ASSERT_EQ(log.requests.size(), c.row_tables_requested);
    for (const Request& request : log.requests) {
      EXPECT_EQ(request.count, static_cast<std::size_t>(c.NbLig));
      EXPECT_EQ(request.size, sizeof(T*));
    }
    EXPECT_EQ(log.releases, rows_then_table(log));
  }
}

TYPED_TEST(MatrixTest, RefusedRequestYieldsNullAfterGivingBackEveryEarlierBlock) {
  using T = typename TypeParam::Element;
  constexpr int kNbLig = 3;
  // Request 0 is the row table, request r + 1 is row r.
  for (std::size_t refuse = 0; refuse <= kNbLig; ++refuse) {
    SCOPED_TRACE(::testing::Message() << "refused request " << refuse);
    T* unchanged = nullptr;
    T** mat = &unchanged;
    const AllocatorLog log = record([&] { mat = TypeParam::allocate(2, kNbLig); }, refuse);

    EXPECT_EQ(mat, nullptr);
    ASSERT_EQ(log.requests.size(), refuse + 1) << "no row is tried after the failing one";
    EXPECT_EQ(log.requests.back().block, nullptr);
    EXPECT_EQ(log.releases, rows_then_table(log));
  }
}

TYPED_TEST(MatrixTest, ReleaseWithoutRowsGivesBackOnlyTheNullRowTable) {
  for (int NbLig : {0, -1}) {
    SCOPED_TRACE(::testing::Message() << "NbLig " << NbLig);
    const AllocatorLog log = record([&] { TypeParam::release(nullptr, NbLig); });
    EXPECT_EQ(log.releases, std::vector<void*>{nullptr});
  }
}

TYPED_TEST(VectorTest, HandsOutOneZeroFilledBlockAndTakesItBack) {
  using T = typename TypeParam::Element;
  constexpr int kNbCol = 5;
  T* vec = nullptr;
  const AllocatorLog made = record([&] { vec = TypeParam::allocate(kNbCol); });

  ASSERT_NE(vec, nullptr);
  EXPECT_EQ(made.requests, (std::vector<Request>{{kNbCol, sizeof(T), vec}}));
  EXPECT_TRUE(all_bytes_zero(vec, kNbCol * sizeof(T)));

  const AllocatorLog released = record([&] { TypeParam::release(vec); });
  EXPECT_EQ(released.releases, std::vector<void*>{vec});
}

TYPED_TEST(VectorTest, CountsBelowOneYieldNullWithoutAskingTheAllocator) {
  using T = typename TypeParam::Element;
  for (int NbCol : {0, -1}) {
    SCOPED_TRACE(::testing::Message() << "NbCol " << NbCol);
    T unchanged{};
    T* vec = &unchanged;
    const AllocatorLog log = record([&] { vec = TypeParam::allocate(NbCol); });
    EXPECT_EQ(vec, nullptr);
    EXPECT_TRUE(log.requests.empty());
  }
}

TYPED_TEST(VectorTest, RefusedRequestYieldsNull) {
  using T = typename TypeParam::Element;
  T unchanged{};
  T* vec = &unchanged;
  const AllocatorLog log = record([&] { vec = TypeParam::allocate(4); }, 0);
  EXPECT_EQ(vec, nullptr);
  EXPECT_EQ(log.requests.size(), 1u);
}

TYPED_TEST(VectorTest, ReleaseOfNullHasNoEffect) {
  const AllocatorLog log = record([] { TypeParam::release(nullptr); });
  EXPECT_EQ(log.releases, std::vector<void*>{nullptr});
}

}  // namespace

extern "C" void* __wrap_calloc(std::size_t count, std::size_t size) {
  if (recording == nullptr) {
    return __real_calloc(count, size);
  }
  void* block =
      recording->requests.size() == refused_request ? nullptr : __real_calloc(count, size);
  recording->requests.push_back({count, size, block});
  return block;
}

extern "C" void __wrap_free(void* block) {
  if (recording != nullptr) {
    recording->releases.push_back(block);
  }
  __real_free(block);
}
