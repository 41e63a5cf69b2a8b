# The thirteen lessons in the book's order: program name, title, topic and
# pages of the book, the colour of its icon and the curve drawn on it (SVG
# path data in a 64 x 64 box).  The desktop entries, the icons and the
# launcher's list are all made from this one table.
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
set(LESSON_toplimit_TITLE "最大数")
set(LESSON_toplimit_TOPIC "単精度と倍精度で表せる最大の数を求める")
set(LESSON_toplimit_PAGES "")
set(LESSON_toplimit_COLOR "#5a5aa0")
set(LESSON_toplimit_CURVE "M 8.0 54.0 L 9.0 54.0 L 10.0 54.0 L 11.0 53.9 L 12.0 53.9 L 13.0 53.9 L 14.0 53.8 L 15.0 53.8 L 16.0 53.7 L 17.0 53.7 L 18.0 53.6 L 19.0 53.6 L 20.0 53.5 L 21.0 53.4 L 22.0 53.3 L 23.0 53.2 L 24.0 53.1 L 25.0 52.9 L 26.0 52.8 L 27.0 52.6 L 28.0 52.4 L 29.0 52.2 L 30.0 52.0 L 31.0 51.7 L 32.0 51.4 L 33.0 51.1 L 34.0 50.7 L 35.0 50.3 L 36.0 49.8 L 37.0 49.3 L 38.0 48.7 L 39.0 48.0 L 40.0 47.2 L 41.0 46.4 L 42.0 45.4 L 43.0 44.3 L 44.0 43.1 L 45.0 41.8 L 46.0 40.3 L 47.0 38.6 L 48.0 36.6 L 49.0 34.5 L 50.0 32.1 L 51.0 29.4 L 52.0 26.3 L 53.0 22.9 L 54.0 19.1 L 55.0 14.8 L 56.0 10.0")
set(LESSON_lightpath_TITLE "フェルマの原理")
set(LESSON_lightpath_TOPIC "最短時間の原理と光の屈折")
set(LESSON_lightpath_PAGES "19, 27-28 ページ, 問題 2.1")
set(LESSON_lightpath_COLOR "#c07a10")
set(LESSON_lightpath_CURVE "M 8.0 14.4 L 9.0 15.9 L 10.0 17.3 L 11.0 18.8 L 12.0 20.3 L 13.0 21.7 L 14.0 23.2 L 15.0 24.7 L 16.0 26.1 L 17.0 27.6 L 18.0 29.1 L 19.0 30.5 L 20.0 32.0 L 21.0 33.5 L 22.0 34.9 L 23.0 36.4 L 24.0 37.9 L 25.0 39.3 L 26.0 40.8 L 27.0 42.3 L 28.0 43.7 L 29.0 45.2 L 30.0 46.7 L 31.0 48.1 L 32.0 49.6 L 33.0 50.0 L 34.0 50.3 L 35.0 50.7 L 36.0 51.1 L 37.0 51.4 L 38.0 51.8 L 39.0 52.2 L 40.0 52.5 L 41.0 52.9 L 42.0 53.3 L 43.0 53.6 L 44.0 54.0 L 45.0 54.0 L 46.0 54.0 L 47.0 54.0 L 48.0 54.0 L 49.0 54.0 L 50.0 54.0 L 51.0 54.0 L 52.0 54.0 L 53.0 54.0 L 54.0 54.0 L 55.0 54.0 L 56.0 54.0")
set(LESSON_shortcurve_TITLE "変分問題")
set(LESSON_shortcurve_TOPIC "マウスで描く経路と積分汎関数の最小")
set(LESSON_shortcurve_PAGES "28-29 ページ")
set(LESSON_shortcurve_COLOR "#2e8b57")
set(LESSON_shortcurve_CURVE "M 8.0 12.2 L 9.0 17.9 L 10.0 20.3 L 11.0 22.1 L 12.0 23.6 L 13.0 25.0 L 14.0 26.2 L 15.0 27.3 L 16.0 28.4 L 17.0 29.3 L 18.0 30.3 L 19.0 31.2 L 20.0 32.0 L 21.0 32.8 L 22.0 33.6 L 23.0 34.3 L 24.0 35.1 L 25.0 35.8 L 26.0 36.4 L 27.0 37.1 L 28.0 37.8 L 29.0 38.4 L 30.0 39.0 L 31.0 39.6 L 32.0 40.2 L 33.0 40.8 L 34.0 41.3 L 35.0 41.9 L 36.0 42.4 L 37.0 43.0 L 38.0 43.5 L 39.0 44.0 L 40.0 44.5 L 41.0 45.0 L 42.0 45.5 L 43.0 46.0 L 44.0 46.5 L 45.0 47.0 L 46.0 47.4 L 47.0 47.9 L 48.0 48.3 L 49.0 48.8 L 50.0 49.2 L 51.0 49.7 L 52.0 50.1 L 53.0 50.5 L 54.0 51.0 L 55.0 51.4 L 56.0 51.8")
set(LESSON_spikelimit_TITLE "デルタ関数")
set(LESSON_spikelimit_TOPIC "関数の極限としてのデルタ関数")
set(LESSON_spikelimit_PAGES "第 3 章")
set(LESSON_spikelimit_COLOR "#b03060")
set(LESSON_spikelimit_CURVE "M 8.0 51.8 L 9.0 51.8 L 10.0 51.8 L 11.0 51.8 L 12.0 51.8 L 13.0 51.8 L 14.0 51.8 L 15.0 51.8 L 16.0 51.8 L 17.0 51.8 L 18.0 51.8 L 19.0 51.8 L 20.0 51.8 L 21.0 51.8 L 22.0 51.8 L 23.0 51.8 L 24.0 51.8 L 25.0 51.7 L 26.0 51.3 L 27.0 49.9 L 28.0 46.0 L 29.0 38.4 L 30.0 27.4 L 31.0 16.7 L 32.0 12.2 L 33.0 16.7 L 34.0 27.4 L 35.0 38.4 L 36.0 46.0 L 37.0 49.9 L 38.0 51.3 L 39.0 51.7 L 40.0 51.8 L 41.0 51.8 L 42.0 51.8 L 43.0 51.8 L 44.0 51.8 L 45.0 51.8 L 46.0 51.8 L 47.0 51.8 L 48.0 51.8 L 49.0 51.8 L 50.0 51.8 L 51.0 51.8 L 52.0 51.8 L 53.0 51.8 L 54.0 51.8 L 55.0 51.8 L 56.0 51.8")
set(LESSON_wavesum_TITLE "フーリエ級数")
set(LESSON_wavesum_TOPIC "フーリエ級数の部分和とギブス現象")
set(LESSON_wavesum_PAGES "54-55 ページ")
set(LESSON_wavesum_COLOR "#1f78b4")
set(LESSON_wavesum_CURVE "M 8.0 32.0 L 9.0 16.6 L 10.0 11.2 L 11.0 14.0 L 12.0 16.2 L 13.0 14.6 L 14.0 13.1 L 15.0 14.3 L 16.0 15.5 L 17.0 14.4 L 18.0 13.4 L 19.0 14.4 L 20.0 15.3 L 21.0 14.4 L 22.0 13.4 L 23.0 14.4 L 24.0 15.5 L 25.0 14.3 L 26.0 13.1 L 27.0 14.6 L 28.0 16.2 L 29.0 14.0 L 30.0 11.2 L 31.0 16.6 L 32.0 32.0 L 33.0 47.4 L 34.0 52.8 L 35.0 50.0 L 36.0 47.8 L 37.0 49.4 L 38.0 50.9 L 39.0 49.7 L 40.0 48.5 L 41.0 49.6 L 42.0 50.6 L 43.0 49.6 L 44.0 48.7 L 45.0 49.6 L 46.0 50.6 L 47.0 49.6 L 48.0 48.5 L 49.0 49.7 L 50.0 50.9 L 51.0 49.4 L 52.0 47.8 L 53.0 50.0 L 54.0 52.8 L 55.0 47.4 L 56.0 32.0")
set(LESSON_zonalpoly_TITLE "ルジャンドル多項式")
set(LESSON_zonalpoly_TOPIC "ルジャンドル多項式のグラフと完全性")
set(LESSON_zonalpoly_PAGES "77-84 ページ")
set(LESSON_zonalpoly_COLOR "#6a3d9a")
set(LESSON_zonalpoly_CURVE "M 8.0 51.8 L 9.0 41.1 L 10.0 33.5 L 11.0 28.4 L 12.0 25.3 L 13.0 23.9 L 14.0 23.8 L 15.0 24.5 L 16.0 25.9 L 17.0 27.8 L 18.0 29.8 L 19.0 31.8 L 20.0 33.8 L 21.0 35.5 L 22.0 36.9 L 23.0 37.9 L 24.0 38.6 L 25.0 38.9 L 26.0 38.7 L 27.0 38.2 L 28.0 37.4 L 29.0 36.3 L 30.0 35.0 L 31.0 33.5 L 32.0 32.0 L 33.0 30.5 L 34.0 29.0 L 35.0 27.7 L 36.0 26.6 L 37.0 25.8 L 38.0 25.3 L 39.0 25.1 L 40.0 25.4 L 41.0 26.1 L 42.0 27.1 L 43.0 28.5 L 44.0 30.2 L 45.0 32.2 L 46.0 34.2 L 47.0 36.2 L 48.0 38.0 L 49.0 39.5 L 50.0 40.2 L 51.0 40.1 L 52.0 38.7 L 53.0 35.6 L 54.0 30.5 L 55.0 22.9 L 56.0 12.2")
set(LESSON_wellstates_TITLE "エルミート多項式")
set(LESSON_wellstates_TOPIC "調和振動子の固有状態を試行錯誤で求める")
set(LESSON_wellstates_PAGES "66-73 ページ")
set(LESSON_wellstates_COLOR "#008060")
set(LESSON_wellstates_CURVE "M 8.0 32.3 L 9.0 32.5 L 10.0 32.7 L 11.0 33.1 L 12.0 33.6 L 13.0 34.4 L 14.0 35.3 L 15.0 36.5 L 16.0 38.1 L 17.0 39.9 L 18.0 42.1 L 19.0 44.4 L 20.0 47.0 L 21.0 49.5 L 22.0 51.9 L 23.0 54.0 L 24.0 54.0 L 25.0 54.0 L 26.0 54.0 L 27.0 54.0 L 28.0 51.5 L 29.0 47.7 L 30.0 43.1 L 31.0 37.7 L 32.0 32.0 L 33.0 26.3 L 34.0 20.9 L 35.0 16.3 L 36.0 12.5 L 37.0 10.0 L 38.0 10.0 L 39.0 10.0 L 40.0 10.0 L 41.0 10.0 L 42.0 12.1 L 43.0 14.5 L 44.0 17.0 L 45.0 19.6 L 46.0 21.9 L 47.0 24.1 L 48.0 25.9 L 49.0 27.5 L 50.0 28.7 L 51.0 29.6 L 52.0 30.4 L 53.0 30.9 L 54.0 31.3 L 55.0 31.5 L 56.0 31.7")
set(LESSON_wellbasis_TITLE "エルミート多項式の完全性")
set(LESSON_wellbasis_TOPIC "調和振動子の固有関数の完全性")
set(LESSON_wellbasis_PAGES "76-77 ページ")
set(LESSON_wellbasis_COLOR "#00707a")
set(LESSON_wellbasis_CURVE "M 8.0 29.6 L 9.0 29.5 L 10.0 29.7 L 11.0 30.1 L 12.0 30.9 L 13.0 31.8 L 14.0 32.9 L 15.0 34.0 L 16.0 35.0 L 17.0 35.8 L 18.0 36.2 L 19.0 36.2 L 20.0 35.7 L 21.0 34.7 L 22.0 33.1 L 23.0 31.1 L 24.0 28.6 L 25.0 25.9 L 26.0 23.0 L 27.0 20.2 L 28.0 17.6 L 29.0 15.3 L 30.0 13.6 L 31.0 12.6 L 32.0 12.2 L 33.0 12.6 L 34.0 13.6 L 35.0 15.3 L 36.0 17.6 L 37.0 20.2 L 38.0 23.0 L 39.0 25.9 L 40.0 28.6 L 41.0 31.1 L 42.0 33.1 L 43.0 34.7 L 44.0 35.7 L 45.0 36.2 L 46.0 36.2 L 47.0 35.8 L 48.0 35.0 L 49.0 34.0 L 50.0 32.9 L 51.0 31.8 L 52.0 30.9 L 53.0 30.1 L 54.0 29.7 L 55.0 29.5 L 56.0 29.6")
set(LESSON_minimaxfit_TITLE "チェビシェフ多項式")
set(LESSON_minimaxfit_TOPIC "チェビシェフ多項式とチェビシェフ補間")
set(LESSON_minimaxfit_PAGES "97-98 ページ")
set(LESSON_minimaxfit_COLOR "#8b4513")
set(LESSON_minimaxfit_CURVE "M 8.0 51.8 L 9.0 34.4 L 10.0 22.8 L 11.0 15.8 L 12.0 12.6 L 13.0 12.4 L 14.0 14.4 L 15.0 17.9 L 16.0 22.4 L 17.0 27.4 L 18.0 32.5 L 19.0 37.5 L 20.0 41.9 L 21.0 45.7 L 22.0 48.6 L 23.0 50.6 L 24.0 51.6 L 25.0 51.7 L 26.0 50.9 L 27.0 49.2 L 28.0 46.7 L 29.0 43.6 L 30.0 40.0 L 31.0 36.1 L 32.0 32.0 L 33.0 27.9 L 34.0 24.0 L 35.0 20.4 L 36.0 17.3 L 37.0 14.8 L 38.0 13.1 L 39.0 12.3 L 40.0 12.4 L 41.0 13.4 L 42.0 15.4 L 43.0 18.3 L 44.0 22.1 L 45.0 26.5 L 46.0 31.5 L 47.0 36.6 L 48.0 41.6 L 49.0 46.1 L 50.0 49.6 L 51.0 51.6 L 52.0 51.4 L 53.0 48.2 L 54.0 41.2 L 55.0 29.6 L 56.0 12.2")
set(LESSON_radialwave_TITLE "合流型超幾何関数")
set(LESSON_radialwave_TOPIC "水素原子と 3 次元調和振動子の動径波動関数")
set(LESSON_radialwave_PAGES "第 6 章")
set(LESSON_radialwave_COLOR "#a0522d")
set(LESSON_radialwave_CURVE "M 8.0 12.2 L 9.0 16.7 L 10.0 20.4 L 11.0 23.5 L 12.0 26.0 L 13.0 28.0 L 14.0 29.7 L 15.0 31.0 L 16.0 32.0 L 17.0 32.8 L 18.0 33.4 L 19.0 33.9 L 20.0 34.2 L 21.0 34.4 L 22.0 34.6 L 23.0 34.7 L 24.0 34.7 L 25.0 34.7 L 26.0 34.6 L 27.0 34.5 L 28.0 34.4 L 29.0 34.3 L 30.0 34.2 L 31.0 34.1 L 32.0 34.0 L 33.0 33.8 L 34.0 33.7 L 35.0 33.6 L 36.0 33.5 L 37.0 33.4 L 38.0 33.3 L 39.0 33.2 L 40.0 33.1 L 41.0 33.0 L 42.0 32.9 L 43.0 32.8 L 44.0 32.8 L 45.0 32.7 L 46.0 32.6 L 47.0 32.6 L 48.0 32.5 L 49.0 32.5 L 50.0 32.4 L 51.0 32.4 L 52.0 32.4 L 53.0 32.3 L 54.0 32.3 L 55.0 32.3 L 56.0 32.2")
set(LESSON_springchain_TITLE "格子振動とベッセル関数")
set(LESSON_springchain_TOPIC "1 次元原子鎖の振動とベッセル関数")
set(LESSON_springchain_PAGES "")
set(LESSON_springchain_COLOR "#4b6b2f")
set(LESSON_springchain_CURVE "M 8.0 12.2 L 9.0 12.6 L 10.0 13.8 L 11.0 15.8 L 12.0 18.4 L 13.0 21.4 L 14.0 24.7 L 15.0 28.0 L 16.0 31.3 L 17.0 34.1 L 18.0 36.6 L 19.0 38.4 L 20.0 39.5 L 21.0 40.0 L 22.0 39.7 L 23.0 38.9 L 24.0 37.5 L 25.0 35.8 L 26.0 33.8 L 27.0 31.9 L 28.0 30.0 L 29.0 28.4 L 30.0 27.1 L 31.0 26.3 L 32.0 26.1 L 33.0 26.3 L 34.0 27.0 L 35.0 28.0 L 36.0 29.4 L 37.0 30.9 L 38.0 32.5 L 39.0 34.0 L 40.0 35.3 L 41.0 36.2 L 42.0 36.8 L 43.0 36.9 L 44.0 36.7 L 45.0 36.0 L 46.0 35.1 L 47.0 33.9 L 48.0 32.6 L 49.0 31.2 L 50.0 30.0 L 51.0 29.0 L 52.0 28.2 L 53.0 27.8 L 54.0 27.7 L 55.0 28.0 L 56.0 28.6")
set(LESSON_orbitspectrum_TITLE "惑星の運動とベッセル関数")
set(LESSON_orbitspectrum_TOPIC "惑星の軌道運動のフーリエ解析")
set(LESSON_orbitspectrum_PAGES "172 ページ")
set(LESSON_orbitspectrum_COLOR "#304080")
set(LESSON_orbitspectrum_CURVE "M 8 32 A 24 14 0 1 0 56 32 A 24 14 0 1 0 8 32 M 19 32 m -4 0 a 4 4 0 1 0 8 0 a 4 4 0 1 0 -8 0")
