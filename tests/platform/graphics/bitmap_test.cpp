#include "platform/graphics/bitmap.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/graphics/graphics_error.h"
#include "tests/bounded_child.h"
#include "tests/platform/graphics/pixel_grid.h"

namespace {

namespace fs = std::filesystem;

class BitmapFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("orvane_bmp_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const char* name) { return (dir / name).string(); }
  static bool Have(const char* command) {
    return std::system((std::string("command -v ") + command + " >/dev/null 2>&1").c_str()) == 0;
  }
  // Debian's interpreter first: another python3 on the path may lack PIL.
  static std::string PilPython() {
    for (const char* python : {"/usr/bin/python3", "python3"}) {
      if (std::system((std::string(python) + " -c 'import PIL' >/dev/null 2>&1").c_str()) == 0) {
        return python;
      }
    }
    return "";
  }
  fs::path dir;
};

// A picture with every colour channel exercised and an odd width (row padding).
void MakePattern(TBitmap& bmp) {
  bmp.SetSize(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) bmp.Canvas()->SetPixels(x, y, RGB(x * 60, y * 100, 255 - x * 50));
}

void ExpectSamePixels(const TBitmap& a, const TBitmap& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      EXPECT_EQ(const_cast<TBitmap&>(a).Canvas()->Pixels(x, y),
                const_cast<TBitmap&>(b).Canvas()->Pixels(x, y))
          << x << "," << y;
}

TEST(Bitmap, ResizeKeepsOverlapAndFillsWithBrush) {
  TBitmap bmp;
  EXPECT_TRUE(bmp.Empty());
  int changes = 0;
  bmp.OnChange = [&](TObject*) { ++changes; };
  MakeWhite(bmp, 3, 2);
  bmp.Canvas()->SetPixels(2, 1, clRed);
  bmp.Canvas()->Brush()->SetColor(clBlue);
  bmp.SetSize(4, 3);
  EXPECT_EQ(bmp.Canvas()->Pixels(2, 1), clRed);
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clWhite);
  EXPECT_EQ(bmp.Canvas()->Pixels(3, 0), clBlue);
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 2), clBlue);
  bmp.SetWidth(2);
  EXPECT_EQ(bmp.Canvas()->Pixels(2, 1), -1);
  const int before = changes;
  bmp.SetSize(2, 3);
  EXPECT_EQ(changes, before);
  EXPECT_THROW(bmp.SetSize(100000, 100000), EInvalidGraphic);
  EXPECT_EQ(bmp.Width(), 2);
  bmp.SetSize(-5, 3);
  EXPECT_TRUE(bmp.Empty());
}

TEST(Bitmap, AssignCopiesAndNullEmpties) {
  TBitmap a, b;
  MakePattern(a);
  b.Assign(&a);
  ExpectSamePixels(a, b);
  a.Canvas()->SetPixels(0, 0, clBlack);
  EXPECT_NE(b.Canvas()->Pixels(0, 0), clBlack);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

TEST_F(BitmapFiles, SaveLoadRoundTripAndTwentyFourBitLayout) {
  TBitmap bmp, back;
  MakePattern(bmp);
  bmp.SaveToFile(Path("a.bmp"));
  back.LoadFromFile(Path("a.bmp"));
  ExpectSamePixels(bmp, back);
  const std::vector<uint8_t> bytes = bmp.SaveToBytes();
  ASSERT_EQ(bytes.size(), 54u + 16 * 3);
  EXPECT_EQ(bytes[28], 24);
  // Bottom-up: the first stored pixel is the bottom-left one, as B, G, R.
  EXPECT_EQ(bytes[54], 255);
  EXPECT_EQ(bytes[55], 200);
  EXPECT_EQ(bytes[56], 0);
}

// Pixel rows may lie far behind the headers; the gap between them is never read. The file is
// sparse with its rows 3 GB in, and the load runs in a child that may grow by 256 MB at most.
TEST_F(BitmapFiles, PixelRowsFarBehindTheHeadersAreReadWithoutTheGap) {
  TBitmap bmp;
  MakePattern(bmp);
  std::vector<uint8_t> bytes = bmp.SaveToBytes();
  const uint32_t off_bits = 3u << 30;
  for (int i = 0; i < 4; ++i) bytes[10 + i] = static_cast<uint8_t>(off_bits >> (8 * i));
  {
    std::ofstream out(Path("far.bmp"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), 54);
    out.seekp(off_bits);
    out.write(reinterpret_cast<const char*>(bytes.data()) + 54, std::streamsize(bytes.size() - 54));
  }
  const bounded_child::TEnd end = bounded_child::Run([&] {
    TBitmap back;
    back.LoadFromFile(Path("far.bmp"));
    if (back.Width() != bmp.Width() || back.Height() != bmp.Height()) return 1;
    for (int y = 0; y < bmp.Height(); ++y) {
      for (int x = 0; x < bmp.Width(); ++x) {
        if (back.Canvas()->Pixels(x, y) != bmp.Canvas()->Pixels(x, y)) return 1;
      }
    }
    return 0;
  });
  EXPECT_TRUE(end.Exited && end.Code == 0) << bounded_child::Describe(end);
}

TEST_F(BitmapFiles, AFailedSaveLeavesTheOldPictureWhole) {
  TBitmap small;
  MakePattern(small);
  small.SaveToFile(Path("keep.bmp"));
  std::ifstream old_in(Path("keep.bmp"), std::ios::binary);
  const std::string old((std::istreambuf_iterator<char>(old_in)), {});
  // A file-size limit below the new picture: the write fails half way.
  TBitmap big;
  big.SetSize(400, 400);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = saved;
  limit.rlim_cur = 10000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  EXPECT_THROW(big.SaveToFile(Path("keep.bmp")), EInvalidGraphic);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  std::ifstream new_in(Path("keep.bmp"), std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(new_in)), {}), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(BitmapFiles, ImageMagickReadsOurFileAndWritesOnesWeRead) {
  if (!Have("convert")) GTEST_SKIP() << "ImageMagick is not installed";
  TBitmap bmp;
  MakePattern(bmp);
  bmp.SaveToFile(Path("ours.bmp"));
  const std::string txt = Path("ours.txt");
  ASSERT_EQ(std::system(("LC_ALL=C convert " + Path("ours.bmp") + " -depth 8 txt:" + txt).c_str()),
            0);
  std::ifstream in(txt);
  std::string line;
  int checked = 0;
  while (std::getline(in, line)) {
    int x, y, r, g, b;
    if (std::sscanf(line.c_str(), "%d,%d: (%d,%d,%d", &x, &y, &r, &g, &b) == 5) {
      EXPECT_EQ(RGB(r, g, b), bmp.Canvas()->Pixels(x, y)) << line;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 15);
  for (const char* format : {"BMP3:", "BMP:"}) {
    for (const char* type : {"TrueColor", "Palette", "Bilevel"}) {
      const std::string out = Path("theirs.bmp");
      const std::string cmd =
          "LC_ALL=C convert " + Path("ours.bmp") + " -type " + type + " " + format + out;
      ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
      TBitmap theirs;
      theirs.LoadFromFile(out);
      EXPECT_EQ(theirs.Width(), 5);
      EXPECT_EQ(theirs.Height(), 3);
      if (std::string(type) != "Bilevel") ExpectSamePixels(bmp, theirs);
    }
  }
}

TEST_F(BitmapFiles, PilReadsOurFileAndWritesOnesWeRead) {
  const std::string python = PilPython();
  if (python.empty()) GTEST_SKIP() << "python3 PIL is not installed";
  TBitmap bmp;
  MakePattern(bmp);
  bmp.SaveToFile(Path("ours.bmp"));
  const std::string script =
      "import sys\n"
      "from PIL import Image\n"
      "im = Image.open(sys.argv[1]).convert('RGB')\n"
      "print(im.size[0], im.size[1], ' '.join('%d,%d,%d' % im.getpixel((x, y)) "
      "for y in range(im.size[1]) for x in range(im.size[0])))\n"
      "im.save(sys.argv[2])\n"
      "im.convert('P').save(sys.argv[3])\n"
      "im.convert('1').save(sys.argv[4])\n";
  std::ofstream(Path("t.py")) << script;
  const std::string out = Path("out.txt");
  const std::string cmd = "LC_ALL=C " + python + " " + Path("t.py") + " " + Path("ours.bmp") + " " +
                          Path("rgb.bmp") + " " + Path("pal.bmp") + " " + Path("mono.bmp") + " > " +
                          out;
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::ifstream in(out);
  int w = 0, h = 0;
  in >> w >> h;
  EXPECT_EQ(w, 5);
  EXPECT_EQ(h, 3);
  for (int i = 0; i < 15; ++i) {
    int r, g, b;
    char comma;
    in >> r >> comma >> g >> comma >> b;
    EXPECT_EQ(RGB(r, g, b), bmp.Canvas()->Pixels(i % 5, i / 5));
  }
  TBitmap rgb, pal, mono;
  rgb.LoadFromFile(Path("rgb.bmp"));
  ExpectSamePixels(bmp, rgb);
  pal.LoadFromFile(Path("pal.bmp"));
  EXPECT_EQ(pal.Width(), 5);
  mono.LoadFromFile(Path("mono.bmp"));
  EXPECT_EQ(mono.Height(), 3);
}

// Hand-made files: a 32-bit top-down one and a 4-bit one with a colour table.
TEST(BitmapDecode, TopDownThirtyTwoAndFourBit) {
  auto header = [](std::vector<uint8_t>& f, int w, int h, int bpp, int colors) {
    auto put = [&](size_t o, uint32_t v, int n) {
      for (int i = 0; i < n; ++i) f[o + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    f.assign(54 + colors * 4, 0);
    f[0] = 'B';
    f[1] = 'M';
    put(10, 54 + colors * 4, 4);
    put(14, 40, 4);
    put(18, w, 4);
    put(22, static_cast<uint32_t>(h), 4);
    put(26, 1, 2);
    put(28, bpp, 2);
  };
  std::vector<uint8_t> f;
  header(f, 2, -2, 32, 0);
  const uint8_t px32[] = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0};
  f.insert(f.end(), std::begin(px32), std::end(px32));
  TBitmap bmp;
  bmp.LoadFromBytes(f);
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), RGB(3, 2, 1));
  EXPECT_EQ(bmp.Canvas()->Pixels(1, 1), RGB(12, 11, 10));

  header(f, 3, 1, 4, 2);
  f[54] = 0x00, f[55] = 0x00, f[56] = 0xFF;  // entry 0: red
  f[58] = 0xFF, f[59] = 0x00, f[60] = 0x00;  // entry 1: blue
  const uint8_t px4[] = {0x10, 0x10, 0, 0};
  f.insert(f.end(), std::begin(px4), std::end(px4));
  bmp.LoadFromBytes(f);
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(bmp.Canvas()->Pixels(1, 0), clRed);
  EXPECT_EQ(bmp.Canvas()->Pixels(2, 0), clBlue);
}

TEST(BitmapDecode, BadFilesAreRefused) {
  TBitmap good;
  MakePattern(good);
  const std::vector<uint8_t> ok = good.SaveToBytes();
  auto with = [&](size_t offset, std::initializer_list<uint8_t> bytes) {
    std::vector<uint8_t> f = ok;
    size_t i = offset;
    for (uint8_t b : bytes) f[i++] = b;
    return f;
  };
  const std::vector<std::vector<uint8_t>> bad = {
      {},
      {'B', 'M'},
      std::vector<uint8_t>(ok.begin(), ok.end() - 10),  // truncated pixels
      std::vector<uint8_t>(ok.begin(), ok.begin() + 30),
      with(0, {'X', 'Y'}),
      with(18, {0xFF, 0xFF, 0xFF, 0x7F}),  // absurd width
      with(22, {0x00, 0x00, 0x00, 0x80}),  // absurd height
      with(18, {0, 0, 0, 0}),              // zero width
      with(18, {0x00, 0x40, 0, 0}),        // 16384 wide: more than the file holds
      with(28, {7, 0}),                    // 7 bits per pixel
      with(30, {1, 0, 0, 0}),              // run-length compressed
      with(14, {200, 0, 0, 0}),            // unknown header
      with(10, {0xFF, 0xFF, 0xFF, 0xFF}),  // pixels beyond the end
      with(26, {0, 0}),                    // no planes
  };
  for (size_t i = 0; i < bad.size(); ++i) {
    TBitmap bmp;
    MakePattern(bmp);
    EXPECT_THROW(bmp.LoadFromBytes(bad[i]), EInvalidGraphic) << i;
    EXPECT_EQ(bmp.Width(), 5) << i;
  }
  TBitmap bmp;
  EXPECT_THROW(bmp.LoadFromFile("/nonexistent/dir/x.bmp"), EInvalidGraphic);
  EXPECT_THROW(bmp.SaveToFile("/nonexistent/dir/x.bmp"), EInvalidGraphic);
}

}  // namespace
