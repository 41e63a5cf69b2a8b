# The thirteen lessons in the book's order: program name, title, topic and
# pages of the book (in Japanese, as the lessons speak, and in English), the
# size of the lesson's window at 100 % (pixels), keywords for the menus, the
# lesson's own keys, the colour of its icon and the curve drawn on it (SVG
# path data in a 64 x 64 box).  The desktop entries, the icons, the manual
# pages, the programs' --help, the AppStream data and the launcher's list are
# all made from this one table.
#
# A key line reads "keys|what they do in Japanese|in English"; no text may
# hold a semicolon, a double quote or a backslash.
set(LESSON_CATALOG
    unitround
    toplimit
    lightpath
    shortcurve
    spikelimit
    wavesum
    zonalpoly
    wellstates
    wellbasis
    minimaxfit
    radialwave
    springchain
    orbitspectrum
)
set(LESSON_unitround_TITLE "計算機エプシロン")
set(LESSON_unitround_TOPIC "単精度と倍精度の計算機エプシロンを求める")
set(LESSON_unitround_PAGES "")
set(LESSON_unitround_COLOR "#3b6ea5")
set(LESSON_unitround_CURVE "M 8.0 10.0 L 9.0 10.0 L 10.0 10.0 L 11.0 10.0 L 12.0 10.0 L 13.0 10.0 L 14.0 10.0 L 15.0 10.0 L 16.0 17.3 L 17.0 17.3 L 18.0 17.3 L 19.0 17.3 L 20.0 17.3 L 21.0 17.3 L 22.0 17.3 L 23.0 17.3 L 24.0 24.7 L 25.0 24.7 L 26.0 24.7 L 27.0 24.7 L 28.0 24.7 L 29.0 24.7 L 30.0 24.7 L 31.0 24.7 L 32.0 32.0 L 33.0 32.0 L 34.0 32.0 L 35.0 32.0 L 36.0 32.0 L 37.0 32.0 L 38.0 32.0 L 39.0 32.0 L 40.0 39.3 L 41.0 39.3 L 42.0 39.3 L 43.0 39.3 L 44.0 39.3 L 45.0 39.3 L 46.0 39.3 L 47.0 39.3 L 48.0 46.7 L 49.0 46.7 L 50.0 46.7 L 51.0 46.7 L 52.0 46.7 L 53.0 46.7 L 54.0 46.7 L 55.0 46.7 L 56.0 54.0")
set(LESSON_unitround_TITLE_EN "Machine Epsilon")
set(LESSON_unitround_TOPIC_EN "Find the machine epsilon of single and double precision by halving")
set(LESSON_unitround_PAGES_EN "")
set(LESSON_unitround_SIZE 1018 736)
set(LESSON_unitround_KEYWORDS_EN "floating point;rounding;precision")
set(LESSON_unitround_KEYWORDS_JA "浮動小数点;丸め誤差;精度")
set(LESSON_unitround_KEYS
    "click|「単精度」か「倍精度」を選ぶと表ができる|choose single or double precision to list the halving"
    "Esc|終わる|end the lesson"
)
set(LESSON_toplimit_TITLE "最大数")
set(LESSON_toplimit_TOPIC "単精度と倍精度で表せる最大の数を求める")
set(LESSON_toplimit_PAGES "")
set(LESSON_toplimit_COLOR "#5a5aa0")
set(LESSON_toplimit_CURVE "M 8.0 54.0 L 9.0 54.0 L 10.0 54.0 L 11.0 53.9 L 12.0 53.9 L 13.0 53.9 L 14.0 53.8 L 15.0 53.8 L 16.0 53.7 L 17.0 53.7 L 18.0 53.6 L 19.0 53.6 L 20.0 53.5 L 21.0 53.4 L 22.0 53.3 L 23.0 53.2 L 24.0 53.1 L 25.0 52.9 L 26.0 52.8 L 27.0 52.6 L 28.0 52.4 L 29.0 52.2 L 30.0 52.0 L 31.0 51.7 L 32.0 51.4 L 33.0 51.1 L 34.0 50.7 L 35.0 50.3 L 36.0 49.8 L 37.0 49.3 L 38.0 48.7 L 39.0 48.0 L 40.0 47.2 L 41.0 46.4 L 42.0 45.4 L 43.0 44.3 L 44.0 43.1 L 45.0 41.8 L 46.0 40.3 L 47.0 38.6 L 48.0 36.6 L 49.0 34.5 L 50.0 32.1 L 51.0 29.4 L 52.0 26.3 L 53.0 22.9 L 54.0 19.1 L 55.0 14.8 L 56.0 10.0")
set(LESSON_toplimit_TITLE_EN "Largest Number")
set(LESSON_toplimit_TOPIC_EN "Find the largest number of single and double precision by doubling")
set(LESSON_toplimit_PAGES_EN "")
set(LESSON_toplimit_SIZE 1018 736)
set(LESSON_toplimit_KEYWORDS_EN "floating point;overflow;precision")
set(LESSON_toplimit_KEYWORDS_JA "浮動小数点;オーバーフロー;精度")
set(LESSON_toplimit_KEYS
    "click|「単精度」か「倍精度」を選ぶと表ができる|choose single or double precision to list the doubling"
)
set(LESSON_lightpath_TITLE "フェルマの原理")
set(LESSON_lightpath_TOPIC "最短時間の原理と光の屈折")
set(LESSON_lightpath_PAGES "19, 27-28 ページ, 問題 2.1")
set(LESSON_lightpath_COLOR "#c07a10")
set(LESSON_lightpath_CURVE "M 8.0 14.4 L 9.0 15.9 L 10.0 17.3 L 11.0 18.8 L 12.0 20.3 L 13.0 21.7 L 14.0 23.2 L 15.0 24.7 L 16.0 26.1 L 17.0 27.6 L 18.0 29.1 L 19.0 30.5 L 20.0 32.0 L 21.0 33.5 L 22.0 34.9 L 23.0 36.4 L 24.0 37.9 L 25.0 39.3 L 26.0 40.8 L 27.0 42.3 L 28.0 43.7 L 29.0 45.2 L 30.0 46.7 L 31.0 48.1 L 32.0 49.6 L 33.0 50.0 L 34.0 50.3 L 35.0 50.7 L 36.0 51.1 L 37.0 51.4 L 38.0 51.8 L 39.0 52.2 L 40.0 52.5 L 41.0 52.9 L 42.0 53.3 L 43.0 53.6 L 44.0 54.0 L 45.0 54.0 L 46.0 54.0 L 47.0 54.0 L 48.0 54.0 L 49.0 54.0 L 50.0 54.0 L 51.0 54.0 L 52.0 54.0 L 53.0 54.0 L 54.0 54.0 L 55.0 54.0 L 56.0 54.0")
set(LESSON_lightpath_TITLE_EN "Fermat's Principle")
set(LESSON_lightpath_TOPIC_EN "The principle of least time and the refraction of light")
set(LESSON_lightpath_PAGES_EN "pages 19, 27-28, problem 2.1")
set(LESSON_lightpath_SIZE 634 448)
set(LESSON_lightpath_KEYWORDS_EN "optics;refraction;least time;variational")
set(LESSON_lightpath_KEYWORDS_JA "光学;屈折;最短時間;変分")
set(LESSON_lightpath_KEYS
    "drag|水面に沿って動かすと試しの経路が動く|drag along the water surface to move the trial path"
    "click|その経路を残して光学的距離を示す|keep the path and show its optical length"
    "right click|最短時間の経路を示して試しを終える|show the path of least time and end the trials"
    "End|最短時間の経路を示す|show the path of least time"
    "Home|やり直す|start again"
)
set(LESSON_shortcurve_TITLE "変分問題")
set(LESSON_shortcurve_TOPIC "マウスで描く経路と積分汎関数の最小")
set(LESSON_shortcurve_PAGES "28-29 ページ")
set(LESSON_shortcurve_COLOR "#2e8b57")
set(LESSON_shortcurve_CURVE "M 8.0 12.2 L 9.0 17.9 L 10.0 20.3 L 11.0 22.1 L 12.0 23.6 L 13.0 25.0 L 14.0 26.2 L 15.0 27.3 L 16.0 28.4 L 17.0 29.3 L 18.0 30.3 L 19.0 31.2 L 20.0 32.0 L 21.0 32.8 L 22.0 33.6 L 23.0 34.3 L 24.0 35.1 L 25.0 35.8 L 26.0 36.4 L 27.0 37.1 L 28.0 37.8 L 29.0 38.4 L 30.0 39.0 L 31.0 39.6 L 32.0 40.2 L 33.0 40.8 L 34.0 41.3 L 35.0 41.9 L 36.0 42.4 L 37.0 43.0 L 38.0 43.5 L 39.0 44.0 L 40.0 44.5 L 41.0 45.0 L 42.0 45.5 L 43.0 46.0 L 44.0 46.5 L 45.0 47.0 L 46.0 47.4 L 47.0 47.9 L 48.0 48.3 L 49.0 48.8 L 50.0 49.2 L 51.0 49.7 L 52.0 50.1 L 53.0 50.5 L 54.0 51.0 L 55.0 51.4 L 56.0 51.8")
set(LESSON_shortcurve_TITLE_EN "Variational Problem")
set(LESSON_shortcurve_TOPIC_EN "Draw paths with the mouse and find the minimum of an integral functional")
set(LESSON_shortcurve_PAGES_EN "pages 28-29")
set(LESSON_shortcurve_SIZE 1080 760)
set(LESSON_shortcurve_KEYWORDS_EN "calculus of variations;functional;minimum")
set(LESSON_shortcurve_KEYWORDS_JA "変分法;汎関数;最小")
set(LESSON_shortcurve_KEYS
    "click|経路の折れ点を置く|set a corner of the path"
    "right click, Enter|経路を終点まで結ぶ|end the path at the end point"
    "End|正解を示す|show the exact solution"
    "Home|やり直す|start again"
    "Esc|終わる|end the lesson"
)
set(LESSON_spikelimit_TITLE "デルタ関数")
set(LESSON_spikelimit_TOPIC "関数の極限としてのデルタ関数")
set(LESSON_spikelimit_PAGES "第 3 章")
set(LESSON_spikelimit_COLOR "#b03060")
set(LESSON_spikelimit_CURVE "M 8.0 51.8 L 9.0 51.8 L 10.0 51.8 L 11.0 51.8 L 12.0 51.8 L 13.0 51.8 L 14.0 51.8 L 15.0 51.8 L 16.0 51.8 L 17.0 51.8 L 18.0 51.8 L 19.0 51.8 L 20.0 51.8 L 21.0 51.8 L 22.0 51.8 L 23.0 51.8 L 24.0 51.8 L 25.0 51.7 L 26.0 51.3 L 27.0 49.9 L 28.0 46.0 L 29.0 38.4 L 30.0 27.4 L 31.0 16.7 L 32.0 12.2 L 33.0 16.7 L 34.0 27.4 L 35.0 38.4 L 36.0 46.0 L 37.0 49.9 L 38.0 51.3 L 39.0 51.7 L 40.0 51.8 L 41.0 51.8 L 42.0 51.8 L 43.0 51.8 L 44.0 51.8 L 45.0 51.8 L 46.0 51.8 L 47.0 51.8 L 48.0 51.8 L 49.0 51.8 L 50.0 51.8 L 51.0 51.8 L 52.0 51.8 L 53.0 51.8 L 54.0 51.8 L 55.0 51.8 L 56.0 51.8")
set(LESSON_spikelimit_TITLE_EN "Delta Function")
set(LESSON_spikelimit_TOPIC_EN "The delta function as the limit of functions")
set(LESSON_spikelimit_PAGES_EN "chapter 3")
set(LESSON_spikelimit_SIZE 634 448)
set(LESSON_spikelimit_KEYWORDS_EN "delta function;distribution;limit")
set(LESSON_spikelimit_KEYWORDS_JA "デルタ関数;超関数;極限")
set(LESSON_spikelimit_KEYS
    "1, 2, F1, F2|節を選ぶ|choose a section"
    "3|終わる (メニューで)|end (at the menu)"
    "any key|先へ進む|go on at a pause"
    "Esc|いつでも終わる|end at any time"
)
set(LESSON_wavesum_TITLE "フーリエ級数")
set(LESSON_wavesum_TOPIC "フーリエ級数の部分和とギブス現象")
set(LESSON_wavesum_PAGES "54-55 ページ")
set(LESSON_wavesum_COLOR "#1f78b4")
set(LESSON_wavesum_CURVE "M 8.0 32.0 L 9.0 16.6 L 10.0 11.2 L 11.0 14.0 L 12.0 16.2 L 13.0 14.6 L 14.0 13.1 L 15.0 14.3 L 16.0 15.5 L 17.0 14.4 L 18.0 13.4 L 19.0 14.4 L 20.0 15.3 L 21.0 14.4 L 22.0 13.4 L 23.0 14.4 L 24.0 15.5 L 25.0 14.3 L 26.0 13.1 L 27.0 14.6 L 28.0 16.2 L 29.0 14.0 L 30.0 11.2 L 31.0 16.6 L 32.0 32.0 L 33.0 47.4 L 34.0 52.8 L 35.0 50.0 L 36.0 47.8 L 37.0 49.4 L 38.0 50.9 L 39.0 49.7 L 40.0 48.5 L 41.0 49.6 L 42.0 50.6 L 43.0 49.6 L 44.0 48.7 L 45.0 49.6 L 46.0 50.6 L 47.0 49.6 L 48.0 48.5 L 49.0 49.7 L 50.0 50.9 L 51.0 49.4 L 52.0 47.8 L 53.0 50.0 L 54.0 52.8 L 55.0 47.4 L 56.0 32.0")
set(LESSON_wavesum_TITLE_EN "Fourier Series")
set(LESSON_wavesum_TOPIC_EN "Partial sums of Fourier series and the Gibbs phenomenon")
set(LESSON_wavesum_PAGES_EN "pages 54-55")
set(LESSON_wavesum_SIZE 794 568)
set(LESSON_wavesum_KEYWORDS_EN "Fourier series;Gibbs phenomenon;partial sum")
set(LESSON_wavesum_KEYWORDS_JA "フーリエ級数;ギブス現象;部分和")
set(LESSON_wavesum_KEYS
    "1-4, F1-F4|節を選ぶ (テンキーも可)|choose a section (also on the number pad)"
    "5, F5, Esc|終わる (メニューで)|end (at the menu)"
    "Enter, Esc|項数を確定する・取り消す|confirm or cancel a number of terms"
)
set(LESSON_zonalpoly_TITLE "ルジャンドル多項式")
set(LESSON_zonalpoly_TOPIC "ルジャンドル多項式のグラフと完全性")
set(LESSON_zonalpoly_PAGES "77-84 ページ")
set(LESSON_zonalpoly_COLOR "#6a3d9a")
set(LESSON_zonalpoly_CURVE "M 8.0 51.8 L 9.0 41.1 L 10.0 33.5 L 11.0 28.4 L 12.0 25.3 L 13.0 23.9 L 14.0 23.8 L 15.0 24.5 L 16.0 25.9 L 17.0 27.8 L 18.0 29.8 L 19.0 31.8 L 20.0 33.8 L 21.0 35.5 L 22.0 36.9 L 23.0 37.9 L 24.0 38.6 L 25.0 38.9 L 26.0 38.7 L 27.0 38.2 L 28.0 37.4 L 29.0 36.3 L 30.0 35.0 L 31.0 33.5 L 32.0 32.0 L 33.0 30.5 L 34.0 29.0 L 35.0 27.7 L 36.0 26.6 L 37.0 25.8 L 38.0 25.3 L 39.0 25.1 L 40.0 25.4 L 41.0 26.1 L 42.0 27.1 L 43.0 28.5 L 44.0 30.2 L 45.0 32.2 L 46.0 34.2 L 47.0 36.2 L 48.0 38.0 L 49.0 39.5 L 50.0 40.2 L 51.0 40.1 L 52.0 38.7 L 53.0 35.6 L 54.0 30.5 L 55.0 22.9 L 56.0 12.2")
set(LESSON_zonalpoly_TITLE_EN "Legendre Polynomials")
set(LESSON_zonalpoly_TOPIC_EN "Graphs of the Legendre polynomials and their completeness")
set(LESSON_zonalpoly_PAGES_EN "pages 77-84")
set(LESSON_zonalpoly_SIZE 794 568)
set(LESSON_zonalpoly_KEYWORDS_EN "Legendre polynomials;orthogonal polynomials;completeness")
set(LESSON_zonalpoly_KEYWORDS_JA "ルジャンドル多項式;直交多項式;完全性")
set(LESSON_zonalpoly_KEYS
    "1, 2, F1, F2|節を選ぶ (テンキーも可)|choose a section (also on the number pad)"
    "3, F3, Esc|終わる (メニューで)|end (at the menu)"
    "Enter, Esc|数を確定する・取り消す|confirm or cancel a number"
)
set(LESSON_wellstates_TITLE "エルミート多項式")
set(LESSON_wellstates_TOPIC "調和振動子の固有状態を試行錯誤で求める")
set(LESSON_wellstates_PAGES "66-73 ページ")
set(LESSON_wellstates_COLOR "#008060")
set(LESSON_wellstates_CURVE "M 8.0 32.3 L 9.0 32.5 L 10.0 32.7 L 11.0 33.1 L 12.0 33.6 L 13.0 34.4 L 14.0 35.3 L 15.0 36.5 L 16.0 38.1 L 17.0 39.9 L 18.0 42.1 L 19.0 44.4 L 20.0 47.0 L 21.0 49.5 L 22.0 51.9 L 23.0 54.0 L 24.0 54.0 L 25.0 54.0 L 26.0 54.0 L 27.0 54.0 L 28.0 51.5 L 29.0 47.7 L 30.0 43.1 L 31.0 37.7 L 32.0 32.0 L 33.0 26.3 L 34.0 20.9 L 35.0 16.3 L 36.0 12.5 L 37.0 10.0 L 38.0 10.0 L 39.0 10.0 L 40.0 10.0 L 41.0 10.0 L 42.0 12.1 L 43.0 14.5 L 44.0 17.0 L 45.0 19.6 L 46.0 21.9 L 47.0 24.1 L 48.0 25.9 L 49.0 27.5 L 50.0 28.7 L 51.0 29.6 L 52.0 30.4 L 53.0 30.9 L 54.0 31.3 L 55.0 31.5 L 56.0 31.7")
set(LESSON_wellstates_TITLE_EN "Hermite Polynomials")
set(LESSON_wellstates_TOPIC_EN "Find the eigenstates of the harmonic oscillator by trial and error")
set(LESSON_wellstates_PAGES_EN "pages 66-73")
set(LESSON_wellstates_SIZE 1018 736)
set(LESSON_wellstates_KEYWORDS_EN "harmonic oscillator;Schrodinger equation;eigenvalue;quantum mechanics")
set(LESSON_wellstates_KEYWORDS_JA "調和振動子;シュレディンガー方程式;固有値;量子力学")
set(LESSON_wellstates_KEYS
    "Enter|エネルギーを確定する|confirm an energy"
    "Up, Down|前の値を呼び出す・欄を消す|recall the previous value, empty the box"
    "any key|先へ進む|go on at a pause"
    "Esc|終わる|end the lesson"
)
set(LESSON_wellbasis_TITLE "エルミート多項式の完全性")
set(LESSON_wellbasis_TOPIC "調和振動子の固有関数の完全性")
set(LESSON_wellbasis_PAGES "76-77 ページ")
set(LESSON_wellbasis_COLOR "#00707a")
set(LESSON_wellbasis_CURVE "M 8.0 29.6 L 9.0 29.5 L 10.0 29.7 L 11.0 30.1 L 12.0 30.9 L 13.0 31.8 L 14.0 32.9 L 15.0 34.0 L 16.0 35.0 L 17.0 35.8 L 18.0 36.2 L 19.0 36.2 L 20.0 35.7 L 21.0 34.7 L 22.0 33.1 L 23.0 31.1 L 24.0 28.6 L 25.0 25.9 L 26.0 23.0 L 27.0 20.2 L 28.0 17.6 L 29.0 15.3 L 30.0 13.6 L 31.0 12.6 L 32.0 12.2 L 33.0 12.6 L 34.0 13.6 L 35.0 15.3 L 36.0 17.6 L 37.0 20.2 L 38.0 23.0 L 39.0 25.9 L 40.0 28.6 L 41.0 31.1 L 42.0 33.1 L 43.0 34.7 L 44.0 35.7 L 45.0 36.2 L 46.0 36.2 L 47.0 35.8 L 48.0 35.0 L 49.0 34.0 L 50.0 32.9 L 51.0 31.8 L 52.0 30.9 L 53.0 30.1 L 54.0 29.7 L 55.0 29.5 L 56.0 29.6")
set(LESSON_wellbasis_TITLE_EN "Completeness of the Hermite Polynomials")
set(LESSON_wellbasis_TOPIC_EN "Completeness of the eigenfunctions of the harmonic oscillator")
set(LESSON_wellbasis_PAGES_EN "pages 76-77")
set(LESSON_wellbasis_SIZE 800 600)
set(LESSON_wellbasis_KEYWORDS_EN "Hermite functions;completeness;harmonic oscillator")
set(LESSON_wellbasis_KEYWORDS_JA "エルミート関数;完全性;調和振動子")
set(LESSON_wellbasis_KEYS
    "Enter|y と N を確定する|confirm y and N"
    "Up, Down|前の値を呼び出す・欄を消す|recall the previous value, empty the box"
    "Esc|終わる|end the lesson"
)
set(LESSON_minimaxfit_TITLE "チェビシェフ多項式")
set(LESSON_minimaxfit_TOPIC "チェビシェフ多項式とチェビシェフ補間")
set(LESSON_minimaxfit_PAGES "97-98 ページ")
set(LESSON_minimaxfit_COLOR "#8b4513")
set(LESSON_minimaxfit_CURVE "M 8.0 51.8 L 9.0 34.4 L 10.0 22.8 L 11.0 15.8 L 12.0 12.6 L 13.0 12.4 L 14.0 14.4 L 15.0 17.9 L 16.0 22.4 L 17.0 27.4 L 18.0 32.5 L 19.0 37.5 L 20.0 41.9 L 21.0 45.7 L 22.0 48.6 L 23.0 50.6 L 24.0 51.6 L 25.0 51.7 L 26.0 50.9 L 27.0 49.2 L 28.0 46.7 L 29.0 43.6 L 30.0 40.0 L 31.0 36.1 L 32.0 32.0 L 33.0 27.9 L 34.0 24.0 L 35.0 20.4 L 36.0 17.3 L 37.0 14.8 L 38.0 13.1 L 39.0 12.3 L 40.0 12.4 L 41.0 13.4 L 42.0 15.4 L 43.0 18.3 L 44.0 22.1 L 45.0 26.5 L 46.0 31.5 L 47.0 36.6 L 48.0 41.6 L 49.0 46.1 L 50.0 49.6 L 51.0 51.6 L 52.0 51.4 L 53.0 48.2 L 54.0 41.2 L 55.0 29.6 L 56.0 12.2")
set(LESSON_minimaxfit_TITLE_EN "Chebyshev Polynomials")
set(LESSON_minimaxfit_TOPIC_EN "Chebyshev polynomials and Chebyshev interpolation")
set(LESSON_minimaxfit_PAGES_EN "pages 97-98")
set(LESSON_minimaxfit_SIZE 794 568)
set(LESSON_minimaxfit_KEYWORDS_EN "Chebyshev polynomials;interpolation;approximation")
set(LESSON_minimaxfit_KEYWORDS_JA "チェビシェフ多項式;補間;近似")
set(LESSON_minimaxfit_KEYS
    "1-4, F1-F4|節を選ぶ|choose a section"
    "5, F5, Esc|終わる (メニューで)|end (at the menu)"
    "any key|先へ進む|go on at a pause"
)
set(LESSON_radialwave_TITLE "合流型超幾何関数")
set(LESSON_radialwave_TOPIC "水素原子と 3 次元調和振動子の動径波動関数")
set(LESSON_radialwave_PAGES "第 6 章")
set(LESSON_radialwave_COLOR "#a0522d")
set(LESSON_radialwave_CURVE "M 8.0 12.2 L 9.0 16.7 L 10.0 20.4 L 11.0 23.5 L 12.0 26.0 L 13.0 28.0 L 14.0 29.7 L 15.0 31.0 L 16.0 32.0 L 17.0 32.8 L 18.0 33.4 L 19.0 33.9 L 20.0 34.2 L 21.0 34.4 L 22.0 34.6 L 23.0 34.7 L 24.0 34.7 L 25.0 34.7 L 26.0 34.6 L 27.0 34.5 L 28.0 34.4 L 29.0 34.3 L 30.0 34.2 L 31.0 34.1 L 32.0 34.0 L 33.0 33.8 L 34.0 33.7 L 35.0 33.6 L 36.0 33.5 L 37.0 33.4 L 38.0 33.3 L 39.0 33.2 L 40.0 33.1 L 41.0 33.0 L 42.0 32.9 L 43.0 32.8 L 44.0 32.8 L 45.0 32.7 L 46.0 32.6 L 47.0 32.6 L 48.0 32.5 L 49.0 32.5 L 50.0 32.4 L 51.0 32.4 L 52.0 32.4 L 53.0 32.3 L 54.0 32.3 L 55.0 32.3 L 56.0 32.2")
set(LESSON_radialwave_TITLE_EN "Confluent Hypergeometric Function")
set(LESSON_radialwave_TOPIC_EN "Radial wave functions of the hydrogen atom and the 3-D harmonic oscillator")
set(LESSON_radialwave_PAGES_EN "chapter 6")
set(LESSON_radialwave_SIZE 794 568)
set(LESSON_radialwave_KEYWORDS_EN "Kummer function;hydrogen atom;radial wave function")
set(LESSON_radialwave_KEYWORDS_JA "クンマー関数;水素原子;動径波動関数")
set(LESSON_radialwave_KEYS
    "1-3, F1-F3|節を選ぶ (テンキーも可)|choose a section (also on the number pad)"
    "4, F4|終わる (メニューで)|end (at the menu)"
    "any key|先へ進む|go on at a pause"
    "Esc|いつでも終わる|end at any time"
)
set(LESSON_springchain_TITLE "格子振動とベッセル関数")
set(LESSON_springchain_TOPIC "1 次元原子鎖の振動とベッセル関数")
set(LESSON_springchain_PAGES "")
set(LESSON_springchain_COLOR "#4b6b2f")
set(LESSON_springchain_CURVE "M 8.0 12.2 L 9.0 12.6 L 10.0 13.8 L 11.0 15.8 L 12.0 18.4 L 13.0 21.4 L 14.0 24.7 L 15.0 28.0 L 16.0 31.3 L 17.0 34.1 L 18.0 36.6 L 19.0 38.4 L 20.0 39.5 L 21.0 40.0 L 22.0 39.7 L 23.0 38.9 L 24.0 37.5 L 25.0 35.8 L 26.0 33.8 L 27.0 31.9 L 28.0 30.0 L 29.0 28.4 L 30.0 27.1 L 31.0 26.3 L 32.0 26.1 L 33.0 26.3 L 34.0 27.0 L 35.0 28.0 L 36.0 29.4 L 37.0 30.9 L 38.0 32.5 L 39.0 34.0 L 40.0 35.3 L 41.0 36.2 L 42.0 36.8 L 43.0 36.9 L 44.0 36.7 L 45.0 36.0 L 46.0 35.1 L 47.0 33.9 L 48.0 32.6 L 49.0 31.2 L 50.0 30.0 L 51.0 29.0 L 52.0 28.2 L 53.0 27.8 L 54.0 27.7 L 55.0 28.0 L 56.0 28.6")
set(LESSON_springchain_TITLE_EN "Lattice Vibration and Bessel Functions")
set(LESSON_springchain_TOPIC_EN "Vibration of a one-dimensional chain of atoms and Bessel functions")
set(LESSON_springchain_PAGES_EN "")
set(LESSON_springchain_SIZE 1018 736)
set(LESSON_springchain_KEYWORDS_EN "lattice vibration;Bessel functions;chain of atoms")
set(LESSON_springchain_KEYWORDS_JA "格子振動;ベッセル関数;原子鎖")
set(LESSON_springchain_KEYS
    "any key|先へ進む|go on at a pause"
    "Esc|いつでも終わる|end at any time"
)
set(LESSON_orbitspectrum_TITLE "惑星の運動とベッセル関数")
set(LESSON_orbitspectrum_TOPIC "惑星の軌道運動のフーリエ解析")
set(LESSON_orbitspectrum_PAGES "172 ページ")
set(LESSON_orbitspectrum_COLOR "#304080")
set(LESSON_orbitspectrum_CURVE "M 8 32 A 24 14 0 1 0 56 32 A 24 14 0 1 0 8 32 M 19 32 m -4 0 a 4 4 0 1 0 8 0 a 4 4 0 1 0 -8 0")
set(LESSON_orbitspectrum_TITLE_EN "Planetary Motion and Bessel Functions")
set(LESSON_orbitspectrum_TOPIC_EN "Fourier analysis of a planet's orbital motion, compared with Bessel functions")
set(LESSON_orbitspectrum_PAGES_EN "page 172")
set(LESSON_orbitspectrum_SIZE 840 600)
set(LESSON_orbitspectrum_KEYWORDS_EN "Kepler orbit;Fourier analysis;Bessel functions;FFT")
set(LESSON_orbitspectrum_KEYWORDS_JA "ケプラー運動;フーリエ解析;ベッセル関数;高速フーリエ変換")
set(LESSON_orbitspectrum_KEYS
    "F1|軌道のアニメーションを急がせる|hurry the orbit animation"
    "any key|先へ進む|go on at a pause"
    "Esc|いつでも終わる|end at any time"
)

# The launcher, which is not a lesson of the book.
set(LESSON_lessonshelf_TITLE "物理のための応用数学 レッスン")
set(LESSON_lessonshelf_TOPIC "13 のレッスンを本の順に並べて起動する")
set(LESSON_lessonshelf_TITLE_EN "Lessons in Applied Mathematics for Physics")
set(LESSON_lessonshelf_TOPIC_EN "Start the thirteen lessons in the book's order")
set(LESSON_lessonshelf_COLOR "#2060a0")
set(LESSON_lessonshelf_CURVE "M 14 18 L 50 18 M 14 28 L 50 28 M 14 38 L 50 38 M 14 48 L 40 48")
set(LESSON_lessonshelf_GENERIC_EN "Lesson Launcher")
set(LESSON_lessonshelf_GENERIC_JA "レッスン一覧")
set(LESSON_lessonshelf_KEYWORDS_EN "launcher")
set(LESSON_lessonshelf_KEYWORDS_JA "レッスン一覧")
set(LESSON_lessonshelf_KEYS
    "Up, Down|レッスンを選ぶ|choose a lesson"
    "Enter|選んだレッスンを起動する|start the chosen lesson"
    "Esc, Ctrl+Q|閉じる|close the launcher"
)

# What every program shares: the menus' generic name and keywords, and the
# keys every lesson takes before the lesson sees them.
set(LESSONS_GENERIC_NAME_EN "Mathematics Lesson")
set(LESSONS_GENERIC_NAME_JA "数学のレッスン")
set(LESSONS_KEYWORDS_EN "mathematics;physics;lesson")
set(LESSONS_KEYWORDS_JA "数学;物理;レッスン;応用数学")
set(LESSON_SUITE_KEYS
    "F9, Pause|レッスンの時計を止める・動かす|stop and restart the lesson clock"
    "F10, F11|遅く・速く (1/4 から 8 倍まで)|slower, faster (1/4 to 8 times)"
    "F12|窓の絵を PNG で保存する|save the window's picture as a PNG"
    "F8|窓の絵をコピーする|copy the window's picture"
)

# The date of this version, for the manual pages.
set(LESSONS_RELEASE_DATE "2026-12-09")
