<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Developer : </source>
        <translation>开发者：</translation>
    </message>
    <message>
        <source>E-mail : %1</source>
        <translation>电子邮件：%1</translation>
    </message>
    <message>
        <source>Instant messaging : on the website&apos;s contact page</source>
        <translation>即时通讯：见网站的联系页面</translation>
    </message>
    <message>
        <source>Website (网站) : </source>
        <translation>网站：</translation>
    </message>
    <message>
        <source>Other programs (其他程序) : </source>
        <translation>其他程序：</translation>
    </message>
    <message>
        <source>Donation (捐助) :    </source>
        <translation>捐助：    </translation>
    </message>
    <message>
        <source>News account (订阅号) : Kavrel_Spect News</source>
        <translation>订阅号：Kavrel_Spect News</translation>
    </message>
    <message>
        <source>Scan the code to follow Kavrel_Spect News (扫码关注)</source>
        <translation>扫码关注 Kavrel_Spect News</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AnalysisFile</name>
    <message>
        <source>Table (*.txt)</source>
        <translation>表格 (*.txt)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>the periods must lie within 0 and 6 s</source>
        <translation>周期必须在 0 至 6 s 之间</translation>
    </message>
    <message>
        <source>STEP must be greater than 0</source>
        <translation>STEP 必须大于 0</translation>
    </message>
    <message>
        <source>STOP must not be less than START</source>
        <translation>STOP 不得小于 START</translation>
    </message>
    <message>
        <source>more than %1 periods</source>
        <translation>周期点数超过 %1 个</translation>
    </message>
</context>
<context>
    <name>ArtificialBatch</name>
    <message>
        <source>No match for the seeds %1: %2</source>
        <translation>随机种子 %1 均未能匹配：%2</translation>
    </message>
</context>
<context>
    <name>ArtificialInputs</name>
    <message>
        <source>The duration must be above 0 s.</source>
        <translation>持续时间必须大于 0 s。</translation>
    </message>
    <message>
        <source>The first seed must be a whole number from 0 to %1.</source>
        <translation>起始随机种子必须是 0 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>The peak acceleration must be above 0 cm/s^2.</source>
        <translation>峰值加速度必须大于 0 cm/s^2。</translation>
    </message>
</context>
<context>
    <name>ArtificialRecord</name>
    <message>
        <source>The target spectrum has no design code.</source>
        <translation>目标谱没有设计规范。</translation>
    </message>
    <message>
        <source>The target spectrum&apos;s AlphaMax is %1: an accelerogram needs an AlphaMax above 0.</source>
        <translation>目标谱的水平地震影响系数最大值 αmax 为 %1：生成人工波需要 αmax 大于 0。</translation>
    </message>
    <message>
        <source>The target&apos;s damping ratio is %1: records are matched at damping ratios from 0.01 to below 1.</source>
        <translation>目标谱的阻尼比为 %1：人工波只能按 0.01 至小于 1 的阻尼比拟合。</translation>
    </message>
    <message>
        <source>The target spectrum is not above 0 at %1: a record can only match a curve above 0 from 0.1 s to 6 s.</source>
        <translation>目标谱在 %1 处不大于 0：人工波只能拟合在 0.1 s 至 6 s 范围内均大于 0 的反应谱曲线。</translation>
    </message>
    <message>
        <source>The time step is %1: it must be 0.005 s, 0.01 s or 0.02 s.</source>
        <translation>时间步长为 %1：必须为 0.005 s、0.01 s 或 0.02 s。</translation>
    </message>
    <message>
        <source>The duration is %1: matching periods up to 6 s takes at least %2.</source>
        <translation>持续时间为 %1：拟合至 6 s 的周期至少需要 %2。</translation>
    </message>
    <message>
        <source>The duration is %1: at most %2.</source>
        <translation>持续时间为 %1：至多为 %2。</translation>
    </message>
    <message>
        <source>The envelope must rise until t1, stay until t2 and decay after it, with 0 &lt; t1 &lt;= t2 &lt; the duration and c above 0.</source>
        <translation>强度包络须在 t1 之前上升、至 t2 保持平稳、其后衰减，且 0 &lt; t1 &lt;= t2 &lt; 持续时间，c 大于 0。</translation>
    </message>
    <message>
        <source>The peak acceleration must be a number above 0.</source>
        <translation>峰值加速度必须是大于 0 的数。</translation>
    </message>
    <message>
        <source>The record could not be matched to the target within 10 % at every period from 0.1 s to 6 s (largest deviation %1 % at %2, peak %3 % off); try a longer duration or another seed.</source>
        <translation>人工波未能在 0.1 s 至 6 s 的各周期点上与目标谱相差均不超过 10 %（最大偏差 %1 %，位于 %2；峰值偏差 %3 %）；请加长持续时间或更换随机种子。</translation>
    </message>
    <message>
        <source>The target spectrum&apos;s AlphaMax is %1: its peak acceleration, 0.45 AlphaMax, would be beyond any ground motion (at most %2 g).</source>
        <translation>目标谱的水平地震影响系数最大值 αmax 为 %1：其峰值加速度 0.45 αmax 将超出任何地震动（至多 %2 g）。</translation>
    </message>
    <message>
        <source>The record could not be matched to the target within 10 % at every period from 0.1 s to 6 s (largest deviation %1 % at %2, peak %3 % off): at the damping ratio %4 the code curve&apos;s damping factor eta2 is held at its least, 0.55, so the curve stops falling with damping while a record&apos;s spectrum goes on falling; another duration or seed will not match it.</source>
        <translation>人工波未能在 0.1 s 至 6 s 的各周期点上与目标谱相差均不超过 10 %（最大偏差 %1 %，位于 %2；峰值偏差 %3 %）：阻尼比为 %4 时，规范反应谱的阻尼调整系数 η2 取其下限 0.55，曲线不再随阻尼增大而降低，而记录的反应谱仍随之降低；更换持续时间或随机种子也无法拟合。</translation>
    </message>
    <message>
        <source>The target&apos;s Tg is %1: below %2 the code curve drops at 0.1 s from its peak straight to its descent, a step that no record&apos;s spectrum can follow.</source>
        <translation>目标谱的特征周期 Tg 为 %1：小于 %2 时，规范反应谱曲线在 0.1 s 处由峰值直接跌落到下降段，任何记录的反应谱都无法跟随这样的突变。</translation>
    </message>
</context>
<context>
    <name>ArtificialRecordsDialog</name>
    <message>
        <source>Artificial Records</source>
        <translation>人工波</translation>
    </message>
    <message>
        <source>&amp;Target spectrum:</source>
        <translation>目标谱(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Number of records:</source>
        <translation>人工波条数(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Duration (s):</source>
        <translation>持续时间 (s)(&amp;D)：</translation>
    </message>
    <message>
        <source>Time &amp;step (s):</source>
        <translation>时间步长 (s)(&amp;S)：</translation>
    </message>
    <message>
        <source>First s&amp;eed:</source>
        <translation>起始随机种子(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;Peak acceleration (cm/s²):</source>
        <translation>峰值加速度 (cm/s²)(&amp;P)：</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>随机种子</translation>
    </message>
    <message>
        <source>Peak (cm/s²)</source>
        <translation>峰值 (cm/s²)</translation>
    </message>
    <message>
        <source>Largest deviation (%)</source>
        <translation>最大偏差 (%)</translation>
    </message>
    <message>
        <source>At period (s)</source>
        <translation>所在周期 (s)</translation>
    </message>
    <message>
        <source>Mean deviation (%)</source>
        <translation>平均偏差 (%)</translation>
    </message>
    <message>
        <source>&amp;Generated records:</source>
        <translation>已生成的人工波(&amp;G)：</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>生成(&amp;G)</translation>
    </message>
    <message>
        <source>Sa&amp;ve...</source>
        <translation>保存(&amp;V)...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Create a spectrum to match first.</source>
        <translation>请先创建要匹配的反应谱。</translation>
    </message>
    <message>
        <source>Generating the artificial records...</source>
        <translation>正在生成人工波...</translation>
    </message>
    <message>
        <source>Record %1 of %2 (seed %3)...</source>
        <translation>第 %1 条，共 %2 条（随机种子 %3）...</translation>
    </message>
    <message>
        <source>Seed %1 gave no match and was passed over: %2</source>
        <translation>随机种子 %1 未能匹配，已跳过：%2</translation>
    </message>
    <message>
        <source>Save Artificial Records (one file each, named after the record)</source>
        <translation>保存人工波（每条一个文件，以人工波名称命名）</translation>
    </message>
    <message>
        <source>Save Artificial Record</source>
        <translation>保存人工波</translation>
    </message>
    <message>
        <source>These files exist already:
%1
Replace them?</source>
        <translation>以下文件已存在：
%1
是否替换？</translation>
    </message>
    <message>
        <source>Saved in %1: %2</source>
        <translation>已保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>BoundedRead</name>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>大于 %1 字节</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Period, T(s)</source>
        <translation>周期 T (s)</translation>
    </message>
    <message>
        <source>Spectral Accleration,Sa (g)</source>
        <translation>谱加速度 Sa (g)</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>The chart has no curve to take the series colour from.</source>
        <translation>图表中没有可提供数据系列颜色的曲线。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid axis position.</source>
        <translation>“%1”不是有效的坐标轴位置。</translation>
    </message>
</context>
<context>
    <name>CheckInputs</name>
    <message>
        <source>Type the fundamental period T1 and up to five more main periods, e.g. 1.2, 0.4.</source>
        <translation>请输入结构基本周期 T1 及至多五个其他主要周期，例如 1.2, 0.4。</translation>
    </message>
    <message>
        <source>At most six main periods: T1 and five more; %1 were typed.</source>
        <translation>主要周期至多六个：T1 及其他五个；已输入 %1 个。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a period in seconds.</source>
        <translation>“%1”不是以秒计的周期。</translation>
    </message>
    <message>
        <source>The main period %1 s is outside the spectrum&apos;s range, above 0 up to 6.0 s.</source>
        <translation>主要周期 %1 s 超出反应谱的范围（大于 0，至多 6.0 s）。</translation>
    </message>
    <message>
        <source>Give every base shear, V0 and one per record, or none.</source>
        <translation>请给出全部基底剪力（V0 及每条记录各一个），或全部留空。</translation>
    </message>
    <message>
        <source>The base shear &quot;%1&quot; is not a positive number.</source>
        <translation>基底剪力“%1”不是正数。</translation>
    </message>
</context>
<context>
    <name>CheckRecordsWindow</name>
    <message>
        <source>Check Records</source>
        <translation>地震记录检验</translation>
    </message>
    <message>
        <source>Mean of records</source>
        <translation>记录平均谱</translation>
    </message>
    <message>
        <source>&amp;Target spectrum:</source>
        <translation>目标谱(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Main periods T1, T2, ... (s):</source>
        <translation>主要周期 T1, T2, ... (s)(&amp;M)：</translation>
    </message>
    <message>
        <source>e.g. 1.2, 0.4</source>
        <translation>例如 1.2, 0.4</translation>
    </message>
    <message>
        <source>The fundamental period T1 first, then up to five more main periods.</source>
        <translation>先输入结构基本周期 T1，再输入至多五个其他主要周期。</translation>
    </message>
    <message>
        <source>&amp;Records (ticked ones are checked):</source>
        <translation>地震记录（检验勾选的记录）(&amp;R)：</translation>
    </message>
    <message>
        <source>No records in the set: add records with File &gt; Add Records...</source>
        <translation>集合中没有地震记录：请用“文件 &gt; 添加地震记录...”添加。</translation>
    </message>
    <message>
        <source>&amp;Base shears (optional; V0 of the response-spectrum method, then each record&apos;s):</source>
        <translation>基底剪力（可选；先填振型分解反应谱法的 V0，再填每条记录的基底剪力）(&amp;B)：</translation>
    </message>
    <message>
        <source>Base shear</source>
        <translation>基底剪力</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>打印预览(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Keep Mean Curve</source>
        <translation>保留平均谱曲线(&amp;K)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 (artificial)</source>
        <translation>%1（人工波）</translation>
    </message>
    <message>
        <source>V0 (response spectrum)</source>
        <translation>V0（反应谱法）</translation>
    </message>
    <message>
        <source>No code spectrum in the set: create one to check the records against.</source>
        <translation>集合中没有规范反应谱：请先生成一条作为检验目标。</translation>
    </message>
    <message>
        <source>Against %1: every check passes.</source>
        <translation>以 %1 为目标：各项均满足。</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检验项</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>结论</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>There is no check to copy, print or keep: %1</source>
        <translation>没有可复制、打印或保留的检验结果：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n check fails</source>
        <translation>
            <numerusform>%n 项不满足</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n checks fail</source>
        <translation>
            <numerusform>%n 项不满足</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning</source>
        <translation>
            <numerusform>%n 项警告</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 项警告</numerusform>
        </translation>
    </message>
    <message>
        <source>Against %1: %2, %3.</source>
        <translation>以 %1 为目标：%2，%3。</translation>
    </message>
    <message>
        <source>Against %1: every check passes, with %2.</source>
        <translation>以 %1 为目标：各项均满足，%2。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the verdicts&apos; count, then what governs the design</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>With 7 or more records the design takes the larger of the mean of the time-history results and the response-spectrum result.</source>
        <translation>记录不少于 7 条时，取时程法的平均值和振型分解反应谱法计算结果的较大值。</translation>
    </message>
    <message>
        <source>With 3 to 6 records the design takes the larger of the envelope of the time-history results and the response-spectrum result.</source>
        <translation>记录为 3 至 6 条时，取时程法的包络值和振型分解反应谱法计算结果的较大值。</translation>
    </message>
    <message>
        <source>Record selection check</source>
        <translation>地震记录选择验算</translation>
    </message>
    <message>
        <source>&amp;Base shears, computed from the structure&apos;s modes (kN; V0 of the response-spectrum method, then each record&apos;s):</source>
        <translation>基底剪力，由结构振型计算（kN；先为振型分解反应谱法的 V0，再为每条记录的基底剪力）(&amp;B)：</translation>
    </message>
    <message>
        <source>Computed (kN)</source>
        <translation>计算值 (kN)</translation>
    </message>
    <message>
        <source>Give the structure&apos;s modes and G first: the contributions are those of the check shown.</source>
        <translation>请先输入结构的振型和 G：各振型贡献取自当前显示的检验结果。</translation>
    </message>
    <message>
        <source>There are no mode contributions to show: %1</source>
        <translation>没有可显示的振型贡献：%1</translation>
    </message>
    <message>
        <source>Mode Contributions</source>
        <translation>振型贡献</translation>
    </message>
    <message>
        <source>Each mode&apos;s own peak base shear, kN. A record&apos;s base shear is not their sum: the modes&apos; peaks fall at different times.</source>
        <translation>各振型自身的基底剪力峰值（kN）。记录的基底剪力不是它们之和：各振型的峰值出现在不同时刻。</translation>
    </message>
</context>
<context>
    <name>CheckSheet</name>
    <message>
        <source>%1 record, at least %2</source>
        <translation>%1 条记录，至少 %2 条</translation>
    </message>
    <message>
        <source>%1 records, at least %2</source>
        <translation>%1 条记录，至少 %2 条</translation>
    </message>
    <message>
        <source>%1 recorded, %2 artificial; at least 2 recorded and 1 artificial</source>
        <translation>天然波 %1 条，人工波 %2 条；至少天然波 2 条、人工波 1 条</translation>
    </message>
    <message>
        <source>%1 of %2 recorded (%3), at least 2/3</source>
        <translation>%2 条中天然波 %1 条（%3），不少于 2/3</translation>
    </message>
    <message>
        <source>%1 records, at least %2; with 7 or more the larger of the mean of the results and the response-spectrum result governs</source>
        <translation>%1 条记录，至少 %2 条；不少于 7 条时取时程法的平均值和振型分解反应谱法的较大值</translation>
    </message>
    <message>
        <source>%1 records, at least %2; with 3 to 6 the larger of the envelope of the results and the response-spectrum result governs</source>
        <translation>%1 条记录，至少 %2 条；3 至 6 条时取时程法的包络值和振型分解反应谱法的较大值</translation>
    </message>
    <message>
        <source>mean αr/α %1 (%2 g / %3 g), %4 to %5</source>
        <translation>平均 αr/α 为 %1（%2 g / %3 g），应在 %4 至 %5 之间</translation>
    </message>
    <message>
        <source>%1 s = %2 T1, at least %3 T1 (%3 to %4 T1 is the usual range)</source>
        <translation>%1 s = %2 T1，不应小于 %3 T1（一般为 %3 至 %4 T1）</translation>
    </message>
    <message>
        <source>peak %1 cm/s²; the table has no value for this intensity and action</source>
        <translation>峰值加速度 %1 cm/s²；表中无此抗震设防烈度与地震作用的取值</translation>
    </message>
    <message>
        <source>peak %1 cm/s², table %2 cm/s²</source>
        <translation>峰值加速度 %1 cm/s²，表中取值 %2 cm/s²</translation>
    </message>
    <message>
        <source>Number of records</source>
        <translation>记录数量</translation>
    </message>
    <message>
        <source>Recorded and artificial</source>
        <translation>天然波与人工波</translation>
    </message>
    <message>
        <source>Spectrum at T%1 = %2 s</source>
        <translation>T%1 = %2 s 处反应谱</translation>
    </message>
    <message>
        <source>Effective duration: %1</source>
        <translation>有效持续时间：%1</translation>
    </message>
    <message>
        <source>Peak: %1</source>
        <translation>峰值：%1</translation>
    </message>
    <message>
        <source>Base shear: %1</source>
        <translation>基底剪力：%1</translation>
    </message>
    <message>
        <source>Mean base shear</source>
        <translation>平均基底剪力</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>满足</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>不满足</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>地震记录</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Peak (cm/s²)</source>
        <translation>峰值 (cm/s²)</translation>
    </message>
    <message>
        <source>Effective duration (s)</source>
        <translation>有效持续时间 (s)</translation>
    </message>
    <message>
        <source>αr/α at T%1 = %2 s</source>
        <translation>T%1 = %2 s 处 αr/α</translation>
    </message>
    <message>
        <source>artificial</source>
        <translation>人工波</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>天然波</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>frequent earthquake</source>
        <translation>多遇地震</translation>
    </message>
    <message>
        <source>design-basis earthquake</source>
        <translation>设防地震</translation>
    </message>
    <message>
        <source>rare earthquake</source>
        <translation>罕遇地震</translation>
    </message>
    <message>
        <source>very rare earthquake</source>
        <translation>极罕遇地震</translation>
    </message>
    <message>
        <source>intensity %1</source>
        <translation>抗震设防烈度 %1</translation>
    </message>
    <message>
        <source>site class %1</source>
        <translation>场地类别 %1</translation>
    </message>
    <message>
        <source>design group %1</source>
        <translation>设计地震分组第 %1 组</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>Record selection check (GB 50011 §5.1.2)</source>
        <translation>地震记录选择验算（GB 50011 第 5.1.2 条）</translation>
    </message>
    <message>
        <source>Target spectrum: %1 (%2)</source>
        <translation>目标反应谱：%1（%2）</translation>
    </message>
    <message>
        <source>AlphaMax %1, Tg %2 s, damping ratio %3</source>
        <translation>αmax = %1，Tg = %2 s，阻尼比 %3</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>文件 %1</translation>
    </message>
    <message>
        <source>scale factor %1</source>
        <translation>调幅系数 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>, at least %1</source>
        <translation>，应不小于 %1</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <translation>，应在 %1 至 %2 之间</translation>
    </message>
    <message>
        <source>V0 %1 kN by CQC of %2 modes, mass ratio sum %3</source>
        <translation>V0 = %1 kN，按 CQC 组合 %2 个振型，质量参与系数之和 %3</translation>
    </message>
    <message>
        <source>V0 %1 kN by SRSS of %2 modes, mass ratio sum %3</source>
        <translation>V0 = %1 kN，按 SRSS 组合 %2 个振型，质量参与系数之和 %3</translation>
    </message>
    <message>
        <source>; below %1: the modes taken should carry at least 90 % of the mass</source>
        <translation>；小于 %1：所取振型的质量参与系数之和应不小于 90%</translation>
    </message>
    <message>
        <source>; %1 modes above %2 s take alpha at %2 s</source>
        <translation>；%1 个振型周期大于 %2 s，按 %2 s 取地震影响系数</translation>
    </message>
    <message>
        <source>V/V0 %1 (%2 kN / %3 kN)</source>
        <translation>V/V0 为 %1（%2 kN / %3 kN）</translation>
    </message>
    <message>
        <source>V/V0 %1</source>
        <translation>V/V0 为 %1</translation>
    </message>
    <message>
        <source>mean V/V0 %1</source>
        <translation>平均 V/V0 为 %1</translation>
    </message>
    <message>
        <source>Structure: G %1 kN, %2 modes combined by %3</source>
        <translation>结构：总重力荷载代表值 G = %1 kN，%2 个振型按 %3 组合</translation>
    </message>
    <message>
        <source>%1: %2 s, %3</source>
        <translation>%1：%2 s，%3</translation>
    </message>
    <message>
        <source>Modes (period, mass ratio): %1</source>
        <translation>振型（周期，质量参与系数）：%1</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>Records for an inelastic analysis: the base shears are held to their lower limits only.</source>
        <translation>用于弹塑性时程分析的记录：基底剪力只验算下限。</translation>
    </message>
</context>
<context>
    <name>DonationDialog</name>
    <message>
        <source>Scan the code to support Kavrel_Spect (扫码捐助)</source>
        <translation>扫码捐助 Kavrel_Spect</translation>
    </message>
    <message>
        <source>Donation (捐助)</source>
        <translation>捐助</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>捐助</translation>
    </message>
    <message>
        <source>Donation (捐助) :    </source>
        <translation>捐助：    </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Export Completed</source>
        <translation>输出完成</translation>
    </message>
</context>
<context>
    <name>GraphPanel</name>
    <message>
        <source>Double click to restore the Graph Panel.</source>
        <translation>双击将图形放回主窗口。</translation>
    </message>
    <message>
        <source>Double click to Poup the Graph Panel.</source>
        <translation>双击弹出图形面板。</translation>
    </message>
    <message>
        <source>GraphPanel</source>
        <translation>图形面板</translation>
    </message>
</context>
<context>
    <name>GridFollowsSet</name>
    <message>
        <source> Name</source>
        <translation> 名称</translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Response Name</source>
        <translation>反应谱名称</translation>
    </message>
    <message>
        <source>Design Code</source>
        <translation>设计规范</translation>
    </message>
    <message>
        <source>Seismic Intensity</source>
        <translation>抗震设防烈度</translation>
    </message>
    <message>
        <source>Seismic Action</source>
        <translation>地震作用</translation>
    </message>
    <message>
        <source>Site-Class</source>
        <translation>场地类别</translation>
    </message>
    <message>
        <source>Earthquake Group </source>
        <translation>设计地震分组</translation>
    </message>
    <message>
        <source>Max Influence Coefficient, AlphaMax </source>
        <translation>水平地震影响系数最大值 αmax</translation>
    </message>
    <message>
        <source>Characteristic Ground Period, Tg (s)</source>
        <translation>特征周期 Tg (s)</translation>
    </message>
    <message>
        <source>Damping Ratio, ζ </source>
        <translation>阻尼比 ζ</translation>
    </message>
    <message>
        <source>Rare earthquake: Tg + 0.05 s</source>
        <translation>罕遇地震：Tg + 0.05 s</translation>
    </message>
    <message>
        <source>Vertical: 65 % AlphaMax, 1st-group Tg</source>
        <translation>竖向地震：65 % αmax，第一组 Tg</translation>
    </message>
    <message>
        <source>GB/T 51408-2021 sets its own characteristic periods for rare earthquakes.</source>
        <translation>GB/T 51408-2021 对罕遇地震规定了自己的特征周期。</translation>
    </message>
</context>
<context>
    <name>InputRules</name>
    <message>
        <source>Please Input Response Name.</source>
        <translation>请输入反应谱名称。</translation>
    </message>
    <message>
        <source>Response Name must be less than %1 letters.</source>
        <translation>反应谱名称必须少于 %1 个字符。</translation>
    </message>
    <message>
        <source>Response with name: %1 already exists! Please Input another Name.</source>
        <translation>名称为 %1 的反应谱已存在！请输入其他名称。</translation>
    </message>
    <message>
        <source>%1 is not a valid floating number!</source>
        <translation>%1 不是有效的数值！</translation>
    </message>
    <message>
        <source>AlphaMax must be postive.</source>
        <translation>αmax 必须为正数。</translation>
    </message>
    <message>
        <source>Characteristic Groud Period must be postive.</source>
        <translation>特征周期必须为正数。</translation>
    </message>
    <message>
        <source>Damping ratio must be postive.</source>
        <translation>阻尼比必须为正数。</translation>
    </message>
    <message>
        <source>, 1st group, vertical</source>
        <translation>，第一组，竖向地震</translation>
    </message>
    <message>
        <source>, rare earthquake</source>
        <translation>，罕遇地震</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>LibraryIndex</name>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>cannot be written: its folder cannot be made</source>
        <translation>无法写入：无法创建其所在文件夹</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>is not a record index of this program (not an SQLite database); it is left as it is</source>
        <translation>不是本程序的记录索引（不是 SQLite 数据库）；保持原样</translation>
    </message>
    <message>
        <source>is an SQLite database of another program, not a record index; it is left as it is</source>
        <translation>是其他程序的 SQLite 数据库，不是记录索引；保持原样</translation>
    </message>
    <message>
        <source>is a damaged record index (%1); it is left as it is: remove it or give another file</source>
        <translation>是已损坏的记录索引（%1）；保持原样：请删除它或指定其他文件</translation>
    </message>
    <message>
        <source>was written by a newer version of this program; it is left as it is</source>
        <translation>由本程序的较新版本写入；保持原样</translation>
    </message>
    <message>
        <source>is busy: another program is indexing into it</source>
        <translation>正忙：另一个程序正在向其写入索引</translation>
    </message>
    <message>
        <source>cannot be written: its lock file cannot be made</source>
        <translation>无法写入：无法创建其锁文件</translation>
    </message>
</context>
<context>
    <name>LibraryIndexer</name>
    <message>
        <source>%1 files seen, %2 new, %3 changed, %4 unchanged, %5 moved, %6 removed, %7 refused</source>
        <translation>共 %1 个文件：新增 %2，已更改 %3，未更改 %4，已移动 %5，已删除 %6，无法读取 %7</translation>
    </message>
</context>
<context>
    <name>LibrarySources</name>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>is not a zip archive this program reads: %1</source>
        <translation>不是本程序能读取的 zip 压缩包：%1</translation>
    </message>
    <message>
        <source>no such folder or zip archive</source>
        <translation>没有这个文件夹或 zip 压缩包</translation>
    </message>
    <message>
        <source>is neither a folder nor a zip archive</source>
        <translation>既不是文件夹也不是 zip 压缩包</translation>
    </message>
    <message>
        <source>is larger than %1 MiB, too large for a record</source>
        <translation>大于 %1 MiB，作为记录过大</translation>
    </message>
    <message>
        <source>the archive holds fewer bytes than it says</source>
        <translation>压缩包中的字节数少于其声明的字节数</translation>
    </message>
</context>
<context>
    <name>LibraryTableModel</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>分量</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>点数</translation>
    </message>
    <message>
        <source>Step (s)</source>
        <translation>时间步长 (s)</translation>
    </message>
    <message>
        <source>PGA (g)</source>
        <translation>峰值加速度 (g)</translation>
    </message>
    <message>
        <source>PGV (cm/s)</source>
        <translation>峰值速度 (cm/s)</translation>
    </message>
    <message>
        <source>PGD (cm)</source>
        <translation>峰值位移 (cm)</translation>
    </message>
    <message>
        <source>D5-95 (s)</source>
        <translation>D5-95 (s)</translation>
    </message>
    <message>
        <source>Arias intensity (m/s)</source>
        <translation>Arias 强度 (m/s)</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>震级</translation>
    </message>
    <message>
        <source>Rjb (km)</source>
        <translation>Rjb (km)</translation>
    </message>
    <message>
        <source>Vs30 (m/s)</source>
        <translation>Vs30 (m/s)</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>地震事件</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>台站</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kavrel Response Spectrum (20210912)</source>
        <translation>Kavrel 规范反应谱 (20210912)</translation>
    </message>
    <message>
        <source>Kavrel_Spect authors</source>
        <translation>Kavrel_Spect 作者</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>保存数据</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>Define Response</source>
        <translation>定义反应谱</translation>
    </message>
    <message>
        <source>Graph Response</source>
        <translation>反应谱曲线</translation>
    </message>
    <message>
        <source>Response Data</source>
        <translation>反应谱数据</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Open Set...</source>
        <translation>打开反应谱组...</translation>
    </message>
    <message>
        <source>Save Set...</source>
        <translation>保存反应谱组...</translation>
    </message>
    <message>
        <source>Recent Sets</source>
        <translation>最近的反应谱组</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Save for Analysis...</source>
        <translation>保存为分析程序文件...</translation>
    </message>
    <message>
        <source>Copy Chart</source>
        <translation>复制曲线图</translation>
    </message>
    <message>
        <source>Copy Data</source>
        <translation>复制数据</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>打印预览...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Donation (捐助)</source>
        <translation>捐助</translation>
    </message>
    <message>
        <source>使用帮助</source>
        <translation>使用帮助</translation>
    </message>
    <message>
        <source>  Welcome to my Website :</source>
        <translation>  欢迎访问网站：</translation>
    </message>
    <message>
        <source>Add Records...</source>
        <translation>添加地震记录...</translation>
    </message>
    <message>
        <source>Record Properties...</source>
        <translation>地震记录属性...</translation>
    </message>
    <message>
        <source>Artificial Records...</source>
        <translation>人工波...</translation>
    </message>
    <message>
        <source>Artificial records added: %1</source>
        <translation>已添加人工波：%1</translation>
    </message>
    <message>
        <source>Check Records...</source>
        <translation>地震记录检验...</translation>
    </message>
    <message>
        <source>Mean curve added: %1</source>
        <translation>已添加平均谱曲线：%1</translation>
    </message>
    <message>
        <source>Record Library...</source>
        <translation>地震记录库...</translation>
    </message>
</context>
<context>
    <name>ModeContributions</name>
    <message>
        <source>Mode</source>
        <translation>振型</translation>
    </message>
    <message>
        <source>Period (s)</source>
        <translation>周期 (s)</translation>
    </message>
    <message>
        <source>Mass ratio</source>
        <translation>质量参与系数</translation>
    </message>
    <message>
        <source>V0 part (kN)</source>
        <translation>V0 分量 (kN)</translation>
    </message>
    <message>
        <source>%1 (kN)</source>
        <translation>%1 (kN)</translation>
    </message>
    <message>
        <source>Combined</source>
        <translation>组合</translation>
    </message>
</context>
<context>
    <name>ModeTable</name>
    <message>
        <source>Line %1: give two columns, the period and the mass ratio, not %2.</source>
        <translation>第 %1 行：应为周期和质量参与系数两列，而不是 %2 列。</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a number.</source>
        <translation>第 %1 行：“%2”不是数字。</translation>
    </message>
    <message>
        <source>Mode %1: the period &quot;%2&quot; is not a number.</source>
        <translation>振型 %1：周期“%2”不是数字。</translation>
    </message>
    <message>
        <source>Mode %1: the mass ratio &quot;%2&quot; is not a number.</source>
        <translation>振型 %1：质量参与系数“%2”不是数字。</translation>
    </message>
    <message>
        <source>G &quot;%1&quot; is not a number.</source>
        <translation>G“%1”不是数字。</translation>
    </message>
</context>
<context>
    <name>PictureFormat</name>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>SVG 矢量图 (*.svg)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>位图 (*.bmp)</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>PEER NGA records (*.AT2 *.at2)</source>
        <translation>PEER NGA 地震记录 (*.AT2 *.at2)</translation>
    </message>
    <message>
        <source>CSMNC records (*.txt *.TXT *.dat *.DAT)</source>
        <translation>CSMNC 地震记录 (*.txt *.TXT *.dat *.DAT)</translation>
    </message>
    <message>
        <source>K-NET/KiK-net records (*.EW *.NS *.UD *.EW1 *.NS1 *.UD1 *.EW2 *.NS2 *.UD2)</source>
        <translation>K-NET/KiK-net 地震记录 (*.EW *.NS *.UD *.EW1 *.NS1 *.UD1 *.EW2 *.NS2 *.UD2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Add Records</source>
        <translation>添加地震记录</translation>
    </message>
    <message>
        <source>Reading records and computing their spectra...</source>
        <translation>正在读取地震记录并计算其反应谱...</translation>
    </message>
    <message>
        <source>This file could not be added as a record:</source>
        <translation>此文件不能作为地震记录添加：</translation>
    </message>
    <message>
        <source>These files could not be added as records:</source>
        <translation>以下文件不能作为地震记录添加：</translation>
    </message>
    <message>
        <source>Click the record in the list first.</source>
        <translation>请先在列表中单击该地震记录。</translation>
    </message>
</context>
<context>
    <name>RecordLayout</name>
    <message>
        <source>plain columns</source>
        <translation>纯数据列</translation>
    </message>
</context>
<context>
    <name>RecordLibraryWindow</name>
    <message>
        <source>Record Library</source>
        <translation>地震记录库</translation>
    </message>
    <message>
        <source>Add to Set</source>
        <translation>加入反应谱组</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>记录库</translation>
    </message>
    <message>
        <source>&amp;Folders:</source>
        <translation>文件夹(&amp;F)：</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Index &amp;file:</source>
        <translation>索引文件(&amp;I)：</translation>
    </message>
    <message>
        <source>Index Now</source>
        <translation>立即索引</translation>
    </message>
    <message>
        <source>&amp;Last run:</source>
        <translation>上次索引(&amp;L)：</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>文字(&amp;T)：</translation>
    </message>
    <message>
        <source>Words found in the file, recording, event or station</source>
        <translation>在文件、记录、地震事件或台站中查找的词</translation>
    </message>
    <message>
        <source>&amp;Magnitude</source>
        <translation>震级(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Rjb (km)</source>
        <translation>Rjb (km)(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Vs30 (m/s)</source>
        <translation>Vs30 (m/s)(&amp;V)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>%1, at least</source>
        <translation>%1，下限</translation>
    </message>
    <message>
        <source>%1, at most</source>
        <translation>%1，上限</translation>
    </message>
    <message>
        <source>any</source>
        <translation>不限</translation>
    </message>
    <message>
        <source>&amp;Include unknown</source>
        <translation>包括未知(&amp;U)</translation>
    </message>
    <message>
        <source>Components whose figure is not known pass its limits</source>
        <translation>该数值未知的分量也通过其范围</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Click the folder in the list first.</source>
        <translation>请先在列表中点击文件夹。</translation>
    </message>
    <message>
        <source>Add the folders of the library first.</source>
        <translation>请先添加记录库的文件夹。</translation>
    </message>
    <message>
        <source>Reading the library&apos;s records and computing their spectra...</source>
        <translation>正在读取记录库的记录并计算其反应谱...</translation>
    </message>
    <message>
        <source>The index &quot;%1&quot; was of an older layout; it was built again.</source>
        <translation>索引“%1”为旧版格式；已重新建立。</translation>
    </message>
    <message>
        <source>The library could not be indexed: %1</source>
        <translation>记录库无法索引：%1</translation>
    </message>
    <message>
        <source>%1 components in %2 recordings.</source>
        <translation>%2 条记录中的 %1 个分量。</translation>
    </message>
    <message>
        <source>Cancelled: what was read is kept; Index Now goes on from there.</source>
        <translation>已取消：已读取的部分保留；“立即索引”将从此处继续。</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>%1 of %2 components shown.</source>
        <translation>显示 %2 个分量中的 %1 个。</translation>
    </message>
    <message>
        <source>Click the components in the table first.</source>
        <translation>请先在表中点击分量。</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>RecordPropertiesDialog</name>
    <message>
        <source>Record Properties - %1</source>
        <translation>地震记录属性 - %1</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>点数：</translation>
    </message>
    <message>
        <source>Step:</source>
        <translation>时间步长：</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>持续时间：</translation>
    </message>
    <message>
        <source>Peak as recorded:</source>
        <translation>原始峰值加速度：</translation>
    </message>
    <message>
        <source>%1 cm/s² (%2 g)</source>
        <translation>%1 cm/s² (%2 g)</translation>
    </message>
    <message>
        <source>Effective duration:</source>
        <translation>有效持续时间：</translation>
    </message>
    <message>
        <source>Artificial, seed:</source>
        <translation>人工波，随机种子：</translation>
    </message>
    <message>
        <source>Envelope t1, t2, c:</source>
        <translation>强度包络 t1, t2, c：</translation>
    </message>
    <message>
        <source>%1 s, %2 s, %3 1/s</source>
        <translation>%1 s, %2 s, %3 1/s</translation>
    </message>
    <message>
        <source>Largest deviation:</source>
        <translation>最大偏差：</translation>
    </message>
    <message>
        <source>%1 at %2 s</source>
        <translation>%1（T = %2 s）</translation>
    </message>
    <message>
        <source>Mean deviation:</source>
        <translation>平均偏差：</translation>
    </message>
    <message>
        <source>&amp;As recorded</source>
        <translation>保持原始记录(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Target peak (cm/s²):</source>
        <translation>目标峰值(&amp;T) (cm/s²)：</translation>
    </message>
    <message>
        <source>&amp;Damping ratio:</source>
        <translation>阻尼比(&amp;D)：</translation>
    </message>
    <message>
        <source>none: generated with Edit &gt; Artificial Records...</source>
        <translation>无：由“编辑 &gt; 人工波...”生成</translation>
    </message>
</context>
<context>
    <name>RecordReader</name>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 不是数值</translation>
    </message>
    <message>
        <source>is not a record in a layout this program reads (PEER NGA, CSMNC, K-NET/KiK-net or plain columns)</source>
        <translation>不是本程序可读取格式（PEER NGA、CSMNC、K-NET/KiK-net 或纯数据列）的地震记录</translation>
    </message>
    <message>
        <source>holds more than %1 values</source>
        <translation>数据多于 %1 个</translation>
    </message>
    <message>
        <source>the step %1 is not a positive number of seconds</source>
        <translation>时间步长 %1 不是以秒计的正数</translation>
    </message>
    <message>
        <source>the header gives %1 values, the file holds %2</source>
        <translation>文件头给出 %1 个数据，文件中有 %2 个</translation>
    </message>
    <message>
        <source>%1 is not a number of values</source>
        <translation>%1 不是数据个数</translation>
    </message>
    <message>
        <source>the file holds velocities or displacements, not accelerations</source>
        <translation>文件中是速度或位移，而不是加速度</translation>
    </message>
    <message>
        <source>ends within the four header lines of a PEER NGA record</source>
        <translation>在 PEER NGA 记录的四行文件头内即已结束</translation>
    </message>
    <message>
        <source>gives no NPTS and DT: not a PEER NGA record</source>
        <translation>没有给出 NPTS 和 DT：不是 PEER NGA 记录</translation>
    </message>
    <message>
        <source>the unit is not one of g, cm/s/s, m/s/s</source>
        <translation>单位不是 g、cm/s/s、m/s/s 之一</translation>
    </message>
    <message>
        <source>has no &quot;NO. OF POINTS ... INTERVALS OF&quot; line: not a CSMNC record</source>
        <translation>没有“NO. OF POINTS ... INTERVALS OF”行：不是 CSMNC 记录</translation>
    </message>
    <message>
        <source>the unit %1 is not one of g, cm/sec/sec, m/sec/sec</source>
        <translation>单位 %1 不是 g、cm/sec/sec、m/sec/sec 之一</translation>
    </message>
    <message>
        <source>the count and the step are not numbers after &quot;:&quot;</source>
        <translation>“:”后的点数和时间步长不是数值</translation>
    </message>
    <message>
        <source>no blank line ends the CSMNC header</source>
        <translation>CSMNC 文件头没有以空行结束</translation>
    </message>
    <message>
        <source>the CSMNC header names no unit</source>
        <translation>CSMNC 文件头未注明单位</translation>
    </message>
    <message>
        <source>ends within the 17 header lines of a K-NET record</source>
        <translation>在 K-NET 记录的 17 行文件头内即已结束</translation>
    </message>
    <message>
        <source>has no &quot;Sampling Freq(Hz)&quot; or &quot;Scale Factor&quot; line: not a K-NET record</source>
        <translation>没有“Sampling Freq(Hz)”或“Scale Factor”行：不是 K-NET 记录</translation>
    </message>
    <message>
        <source>%1 is not a sampling frequency</source>
        <translation>%1 不是采样频率</translation>
    </message>
    <message>
        <source>%1 is not a scale factor &quot;A(gal)/B&quot;</source>
        <translation>%1 不是“A(gal)/B”形式的比例系数</translation>
    </message>
    <message>
        <source>%1 numbers, not the two columns &quot;time value&quot; (a file of values needs its step)</source>
        <translation>有 %1 个数，而不是“时间 数值”两列（只有数值的文件需给出时间步长）</translation>
    </message>
    <message>
        <source>the time step %1 s differs from the first, %2 s</source>
        <translation>时间步长 %1 s 与第一个时间步长 %2 s 不同</translation>
    </message>
    <message>
        <source>is larger than %1 MiB, too large for a record</source>
        <translation>大于 %1 MiB，作为地震记录过大</translation>
    </message>
    <message>
        <source>holds fewer than 2 values</source>
        <translation>数据少于 2 个</translation>
    </message>
    <message>
        <source>one number, not the two columns &quot;time value&quot; (a file of values needs its step)</source>
        <translation>只有 1 个数，而不是“时间 数值”两列（只有数值的文件需给出时间步长）</translation>
    </message>
    <message>
        <source>the scale factor %1 is beyond the largest number this program holds</source>
        <translation>比例系数 %1 超出本程序能表示的最大数</translation>
    </message>
    <message>
        <source>value %1 overflows the largest number this program holds</source>
        <translation>第 %1 个数值超出本程序能表示的最大数</translation>
    </message>
    <message>
        <source>value %1 is %2 g, beyond any ground motion (at most %3 g): the record overflows</source>
        <translation>第 %1 个数值为 %2 g，超出任何地震动（至多 %3 g）：记录溢出</translation>
    </message>
    <message>
        <source>the step %1 s lies outside the steps of ground-motion records, %2 s to %3 s</source>
        <translation>时间步长 %1 s 超出地震动记录的时间步长范围 %2 s 至 %3 s</translation>
    </message>
    <message>
        <source>the sampling frequency %1 lies outside the frequencies of ground-motion records, %2 Hz to %3 Hz</source>
        <translation>采样频率 %1 超出地震动记录的采样频率范围 %2 Hz 至 %3 Hz</translation>
    </message>
</context>
<context>
    <name>RecordRules</name>
    <message>
        <source>%1 must be at least 0 and below 1.</source>
        <comment>the subject is a damping ratio</comment>
        <translation>%1必须不小于 0 且小于 1。</translation>
    </message>
    <message>
        <source>The damping ratio</source>
        <translation>阻尼比</translation>
    </message>
    <message>
        <source>The target spectrum&apos;s damping ratio</source>
        <translation>目标谱的阻尼比</translation>
    </message>
    <message>
        <source>The time step %1 s does not divide the duration %2 s.</source>
        <translation>时间步长 %1 s 不能整除持续时间 %2 s。</translation>
    </message>
    <message>
        <source>The target peak must be a number above 0.</source>
        <translation>目标峰值必须是大于 0 的数。</translation>
    </message>
</context>
<context>
    <name>RecordSelectionCheck</name>
    <message>
        <source>Give the fundamental period T1 and at most five more main periods.</source>
        <translation>请给出结构基本周期 T1 及至多五个其他主要周期。</translation>
    </message>
    <message>
        <source>The main period %1 s is outside the spectrum&apos;s range, above 0 up to 6.0 s.</source>
        <translation>主要周期 %1 s 超出反应谱的范围（大于 0，至多 6.0 s）。</translation>
    </message>
    <message>
        <source>The target spectrum is 0 at the main period %1 s, so no record can be compared with it.</source>
        <translation>目标谱在主要周期 %1 s 处为 0，无法与地震记录比较。</translation>
    </message>
    <message>
        <source>Choose at least one record to check.</source>
        <translation>请至少选择一条要检验的地震记录。</translation>
    </message>
    <message>
        <source>The record %1 has no samples.</source>
        <translation>地震记录 %1 没有数据点。</translation>
    </message>
    <message>
        <source>The record %1 has no positive time step.</source>
        <translation>地震记录 %1 的时间步长不是正数。</translation>
    </message>
    <message>
        <source>The record %1 has a value that is not a number.</source>
        <translation>地震记录 %1 含有非数值的数据。</translation>
    </message>
    <message>
        <source>Give the response-spectrum base shear and one per record: %1 values, not %2.</source>
        <translation>请给出振型分解反应谱法的基底剪力及每条记录的基底剪力：共 %1 个数值，而不是 %2 个。</translation>
    </message>
    <message>
        <source>Every base shear must be a positive number.</source>
        <translation>每个基底剪力都必须是正数。</translation>
    </message>
    <message>
        <source>Give the base shears or the structure&apos;s modes, not both.</source>
        <translation>请输入基底剪力或结构的振型，不能同时输入两者。</translation>
    </message>
    <message>
        <source>The main period %1 s is given twice.</source>
        <translation>主要周期 %1 s 重复给出。</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Design Code</source>
        <translation>设计规范</translation>
    </message>
    <message>
        <source>AlphaMax</source>
        <translation>αmax</translation>
    </message>
    <message>
        <source>Tg (s)</source>
        <translation>Tg (s)</translation>
    </message>
    <message>
        <source>Damping Ratio</source>
        <translation>阻尼比</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>地震记录：%1</translation>
    </message>
    <message>
        <source>Peak %1 cm/s²</source>
        <translation>峰值 %1 cm/s²</translation>
    </message>
    <message>
        <source>Mean of records (%1)</source>
        <translation>%1 条地震记录的平均谱</translation>
    </message>
</context>
<context>
    <name>SafeFileWriter</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
    <message>
        <source>Stream write error: &quot;%1&quot;. %2</source>
        <translation>写入数据流出错：“%1”。%2</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>写入数据流出错</translation>
    </message>
    <message>
        <source>It is a FIFO or a device, not a file: what goes into it cannot be taken back if a later file fails, so it cannot be one of several files written together.</source>
        <translation>它是 FIFO 或设备，不是文件：写入其中的内容在后面的文件失败时无法收回，因此不能作为一同写入的多个文件之一。</translation>
    </message>
    <message>
        <source>It is a symbolic link into the folder &quot;%1&quot;, which does not exist.</source>
        <translation>它是指向文件夹“%1”的符号链接，而该文件夹不存在。</translation>
    </message>
</context>
<context>
    <name>SaveForAnalysis</name>
    <message>
        <source>Save for Analysis</source>
        <translation>保存为分析程序文件</translation>
    </message>
    <message>
        <source>Click the spectrum to save in the list first.</source>
        <translation>请先在列表中点选要保存的反应谱。</translation>
    </message>
    <message>
        <source>A mean curve is not a design spectrum for an analysis program. Save Data writes its values.</source>
        <translation>平均谱曲线不是供分析程序使用的设计反应谱。请用“保存数据”写出其数值。</translation>
    </message>
</context>
<context>
    <name>SearchResults</name>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>has no &quot;%1&quot; table</source>
        <translation>没有“%1”表</translation>
    </message>
    <message>
        <source>the table has no column &quot;%1&quot;</source>
        <translation>该表没有“%1”列</translation>
    </message>
    <message>
        <source>line %1: no record sequence number</source>
        <translation>第 %1 行：没有记录序号</translation>
    </message>
</context>
<context>
    <name>SelectionChoices</name>
    <message>
        <source>1st Group</source>
        <translation>第一组</translation>
    </message>
    <message>
        <source>2nd Group</source>
        <translation>第二组</translation>
    </message>
    <message>
        <source>3th Group</source>
        <translation>第三组</translation>
    </message>
</context>
<context>
    <name>SetDocument</name>
    <message>
        <source>Save Set</source>
        <translation>保存反应谱组</translation>
    </message>
    <message>
        <source>Kavrel_Spect sets (*.%1)</source>
        <translation>Kavrel_Spect 反应谱组 (*.%1)</translation>
    </message>
    <message>
        <source>The spectra have not been saved as a set.</source>
        <translation>这些反应谱尚未保存为反应谱组。</translation>
    </message>
    <message>
        <source>The set %1 has changed since it was saved.</source>
        <translation>反应谱组 %1 自保存以来已被修改。</translation>
    </message>
    <message>
        <source> Save the changes?</source>
        <translation>是否保存修改？</translation>
    </message>
    <message>
        <source>Open Set</source>
        <translation>打开反应谱组</translation>
    </message>
</context>
<context>
    <name>SetFile</name>
    <message>
        <source>%1 %2</source>
        <comment>an item of the set, then what is wrong with it</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>spectrum %1</source>
        <translation>第 %1 条反应谱</translation>
    </message>
    <message>
        <source>is cut short: the JSON text ends before the set does</source>
        <translation>不完整：JSON 文本在反应谱组结束之前就已结束</translation>
    </message>
    <message>
        <source>is not valid JSON (%1 at byte %2)</source>
        <translation>不是有效的 JSON（第 %2 字节处：%1）</translation>
    </message>
    <message>
        <source>has no &quot;%1&quot;</source>
        <translation>缺少“%1”</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>a finite number</source>
        <translation>有限数值</translation>
    </message>
    <message>
        <source>has a negative &quot;%1&quot; (%2)</source>
        <translation>的“%1”为负值（%2）</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true 或 false</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>对象</translation>
    </message>
    <message>
        <source>has &quot;origin&quot; whose &quot;%1&quot; is not a text</source>
        <translation>的“origin”中“%1”不是文本</translation>
    </message>
    <message>
        <source>has &quot;origin&quot; whose &quot;%1&quot; is not true or false</source>
        <translation>的“origin”中“%1”不是 true 或 false</translation>
    </message>
    <message>
        <source>has &quot;%1&quot; that is not %2</source>
        <translation>的“%1”不是%2</translation>
    </message>
    <message>
        <source>has the name %1, which this system&apos;s text encoding cannot hold</source>
        <translation>的名称 %1 无法用本系统的文字编码表示</translation>
    </message>
    <message>
        <source>has the name %1, which begins or ends with a blank</source>
        <translation>的名称 %1 以空格开头或结尾</translation>
    </message>
    <message>
        <source>has an empty name</source>
        <translation>的名称为空</translation>
    </message>
    <message>
        <source>has the name %1, which is not less than %2 bytes</source>
        <translation>的名称 %1 不少于 %2 字节</translation>
    </message>
    <message>
        <source>has the unknown code %1</source>
        <translation>的设计规范 %1 无法识别</translation>
    </message>
    <message>
        <source>has &quot;%1&quot; whose &quot;%2&quot; is missing or not a finite number</source>
        <translation>的“%1”中“%2”缺失或不是有限数值</translation>
    </message>
    <message>
        <source>has no &quot;%1&quot; object</source>
        <translation>缺少“%1”对象</translation>
    </message>
    <message>
        <source>has &quot;artificial&quot; whose &quot;seed&quot; is not a whole number in a text</source>
        <translation>的“artificial”中“seed”不是以文本表示的整数</translation>
    </message>
    <message>
        <source>has the unknown layout %1</source>
        <translation>的文件格式 %1 无法识别</translation>
    </message>
    <message>
        <source>has the unknown unit %1</source>
        <translation>的单位 %1 无法识别</translation>
    </message>
    <message>
        <source>has a &quot;step&quot; of 0</source>
        <translation>的“step”（时间步长）为 0</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>has fewer than 2 samples</source>
        <translation>的采样点少于 2 个</translation>
    </message>
    <message>
        <source>has more than %1 samples</source>
        <translation>的采样点多于 %1 个</translation>
    </message>
    <message>
        <source>has sample %1 that is not a finite number</source>
        <translation>的第 %1 个采样点不是有限数值</translation>
    </message>
    <message>
        <source>cannot be used: %1</source>
        <translation>无法使用：%1</translation>
    </message>
    <message>
        <source>has the unknown source %1 (natural or artificial)</source>
        <translation>的来源 %1 无法识别（应为 natural 或 artificial）</translation>
    </message>
    <message>
        <source>has more than %1 &quot;%2&quot;</source>
        <translation>的“%2”多于 %1 项</translation>
    </message>
    <message>
        <source>has &quot;%1&quot; whose item %2 is not a finite number</source>
        <translation>的“%1”中第 %2 项不是有限数值</translation>
    </message>
    <message>
        <source>has &quot;records&quot; with an item that is not a text</source>
        <translation>的“records”中有一项不是文本</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>为空文件</translation>
    </message>
    <message>
        <source>is not a set file (its top level is not an object)</source>
        <translation>不是反应谱组文件（其顶层不是对象）</translation>
    </message>
    <message>
        <source>gives the key %1 twice in one object</source>
        <translation>在同一对象中两次给出键 %1</translation>
    </message>
    <message>
        <source>is not a Kavrel_Spect set file (no &quot;format&quot;: &quot;%1&quot;)</source>
        <translation>不是 Kavrel_Spect 反应谱组文件（没有 &quot;format&quot;: &quot;%1&quot;）</translation>
    </message>
    <message>
        <source>has no valid &quot;version&quot;</source>
        <translation>没有有效的“version”</translation>
    </message>
    <message>
        <source>was made by a newer version of Kavrel_Spect (set file version %1; this one reads version %2)</source>
        <translation>由更新版本的 Kavrel_Spect 生成（反应谱组文件版本 %1；本程序可读取版本 %2）</translation>
    </message>
    <message>
        <source>has no &quot;spectra&quot;</source>
        <translation>缺少“spectra”</translation>
    </message>
    <message>
        <source>has &quot;spectra&quot; that is not a list</source>
        <translation>的“spectra”不是列表</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>不是对象</translation>
    </message>
    <message>
        <source>has an unknown &quot;kind&quot; (spectrum, record or curve)</source>
        <translation>的“kind”无法识别（应为 spectrum、record 或 curve）</translation>
    </message>
    <message>
        <source>holds record %1, which set files of version %2 do not hold</source>
        <translation>含有第 %1 项地震记录，而版本 %2 的反应谱组文件不能包含地震记录</translation>
    </message>
    <message>
        <source>holds curve %1, which set files of version %2 do not hold</source>
        <translation>含有第 %1 项曲线，而版本 %2 的反应谱组文件不能包含曲线</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>第 %1 项地震记录</translation>
    </message>
    <message>
        <source>curve %1</source>
        <translation>第 %1 项曲线</translation>
    </message>
    <message>
        <source>has the name of item %1</source>
        <translation>与第 %1 项同名</translation>
    </message>
    <message>
        <source>has the name %1, as spectrum %2 has</source>
        <translation>的名称 %1 与第 %2 条反应谱相同</translation>
    </message>
    <message>
        <source>is too large to be a set file</source>
        <translation>过大，不是反应谱组文件</translation>
    </message>
    <message>
        <source>has &quot;%1&quot; whose item %2 is not a pair of a name and its value</source>
        <translation>的“%1”中第 %2 项不是名称与其值的一对</translation>
    </message>
    <message>
        <source>has the unknown &quot;combination&quot; %1 (cqc or srss)</source>
        <translation>的“combination”%1 无法识别（应为 cqc 或 srss）</translation>
    </message>
    <message>
        <source>has more than %1 &quot;modes&quot;</source>
        <translation>的“modes”多于 %1 个</translation>
    </message>
    <message>
        <source>has mode %1 that is not a pair of finite numbers (period, mass ratio)</source>
        <translation>的第 %1 个振型不是一对有限数值（周期，质量参与系数）</translation>
    </message>
</context>
<context>
    <name>StructureModes</name>
    <message>
        <source>Give at least one mode.</source>
        <translation>请至少输入一个振型。</translation>
    </message>
    <message>
        <source>Give at most %1 modes, not %2.</source>
        <translation>最多输入 %1 个振型，而不是 %2 个。</translation>
    </message>
    <message>
        <source>Mode %1: the period %2 s must be above 0 and at most %3 s.</source>
        <translation>振型 %1：周期 %2 s 应大于 0 且不大于 %3 s。</translation>
    </message>
    <message>
        <source>Mode %1: the mass ratio %2 must be above 0 and at most 1.</source>
        <translation>振型 %1：质量参与系数 %2 应大于 0 且不大于 1。</translation>
    </message>
    <message>
        <source>The mass ratios of the modes sum to %1, more than the whole mass.</source>
        <translation>各振型质量参与系数之和为 %1，超过了结构总质量。</translation>
    </message>
    <message>
        <source>The representative value of gravity load G must be a positive number of kN.</source>
        <translation>重力荷载代表值 G 应为正数（kN）。</translation>
    </message>
</context>
<context>
    <name>StructurePanel</name>
    <message>
        <source>Structure</source>
        <translation>结构</translation>
    </message>
    <message>
        <source>M&amp;odes (optional; the base shears are then computed):</source>
        <translation>振型（可选；给出后计算基底剪力）(&amp;O)：</translation>
    </message>
    <message>
        <source>Each mode&apos;s period and its effective mass ratio in the direction checked, as the analysis program&apos;s modal table lists them.</source>
        <translation>各振型的周期及其在验算方向上的有效质量参与系数，与分析程序振型表中所列一致。</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>添加行(&amp;A)</translation>
    </message>
    <message>
        <source>R&amp;emove Row</source>
        <translation>删除行(&amp;E)</translation>
    </message>
    <message>
        <source>Pa&amp;ste</source>
        <translation>粘贴(&amp;S)</translation>
    </message>
    <message>
        <source>Two columns from the clipboard, period and mass ratio, as copied from an analysis program&apos;s modal table; a header line is skipped.</source>
        <translation>从剪贴板粘贴两列（周期和质量参与系数），即从分析程序振型表中复制的内容；表头行将被跳过。</translation>
    </message>
    <message>
        <source>&amp;G, representative value of gravity load (kN):</source>
        <translation>总重力荷载代表值 G (kN)(&amp;G)：</translation>
    </message>
    <message>
        <source>Combi&amp;nation of the modes:</source>
        <translation>振型组合方法(&amp;N)：</translation>
    </message>
    <message>
        <source>CQC</source>
        <translation>CQC</translation>
    </message>
    <message>
        <source>SRSS (no torsional coupling)</source>
        <translation>SRSS（不考虑扭转耦联）</translation>
    </message>
    <message>
        <source>Mode Contrib&amp;utions...</source>
        <translation>振型贡献(&amp;U)...</translation>
    </message>
    <message>
        <source>The clipboard holds no modes: copy two columns, the period and the mass ratio.</source>
        <translation>剪贴板中没有振型：请复制周期和质量参与系数两列。</translation>
    </message>
    <message>
        <source>&amp;Inelastic analysis: upper limits off</source>
        <translation>弹塑性分析：不验算上限(&amp;I)</translation>
    </message>
    <message>
        <source>The records are for an inelastic analysis: the base shears are held to their lower limits only (65 %, 80 %).</source>
        <translation>记录用于弹塑性时程分析：基底剪力只验算下限（65 %、80 %）。</translation>
    </message>
</context>
<context>
    <name>TabulatedCurveItem</name>
    <message>
        <source>has %1 periods but %2 values</source>
        <translation>有 %1 个周期，却有 %2 个数值</translation>
    </message>
    <message>
        <source>has fewer than 2 points</source>
        <translation>的数据点少于 2 个</translation>
    </message>
    <message>
        <source>has more than %1 points</source>
        <translation>的数据点多于 %1 个</translation>
    </message>
    <message>
        <source>has at point %1 a period that is not a finite number of at least 0</source>
        <translation>的第 %1 个数据点的周期不是不小于 0 的有限数值</translation>
    </message>
    <message>
        <source>has at point %1 a period not above the one before</source>
        <translation>的第 %1 个数据点的周期不大于前一个</translation>
    </message>
    <message>
        <source>has at point %1 a value that is not a finite number of at least 0</source>
        <translation>的第 %1 个数据点的数值不是不小于 0 的有限数值</translation>
    </message>
    <message>
        <source>has a damping ratio outside 0 to below 1</source>
        <translation>的阻尼比不在 0 至小于 1 的范围内</translation>
    </message>
</context>
<context>
    <name>WorkbookHandOver</name>
    <message>
        <source>The workbook was saved as

%1

but no program on this desktop opened it.

Open the folder that holds it?</source>
        <translation>工作簿已保存为

%1

但本桌面上没有程序打开它。

是否打开它所在的文件夹？</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened either.</source>
        <translation>文件夹 %1 也无法打开。</translation>
    </message>
    <message>
        <source>

What was made so far is kept in

%1</source>
        <translation>

已完成的部分保存在

%1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>No spectrum have been create.</source>
        <translation>尚未生成反应谱。</translation>
    </message>
    <message>
        <source>Out of Memory.</source>
        <translation>内存不足。</translation>
    </message>
</context>
</TS>
