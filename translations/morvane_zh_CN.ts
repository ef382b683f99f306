<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="About Tellavo">
        <source></source>
        <translation>关于 Tellavo</translation>
    </message>
    <message id="Tellavo V3.6.en" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Tellavo V3.6</numerusform>
        </translation>
    </message>
    <message id="Station number：" numerus="yes">
        <source></source>
        <translation>
            <numerusform>站号：</numerusform>
        </translation>
    </message>
    <message id="Ready">
        <source></source>
        <translation>就绪</translation>
    </message>
    <message id="File(&amp;F)">
        <source></source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message id="Update to computer">
        <source></source>
        <translation>上传到计算机</translation>
    </message>
    <message id="Downloads to Device">
        <source></source>
        <translation>下载到设备</translation>
    </message>
    <message id="Exit">
        <source></source>
        <translation>退出</translation>
    </message>
    <message id="Settings(&amp;S)">
        <source></source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message id="Two point Trim">
        <source></source>
        <translation>两点微调</translation>
    </message>
    <message id="Cancel Linear Compensation">
        <source></source>
        <translation>取消线性补偿</translation>
    </message>
    <message id="Cancel Thermal Compensation">
        <source></source>
        <translation>取消温度补偿</translation>
    </message>
    <message id="Restore Thermal Compensation">
        <source></source>
        <translation>恢复温度补偿</translation>
    </message>
    <message id="Monitor(&amp;M)">
        <source></source>
        <translation>监视(&amp;M)</translation>
    </message>
    <message id="Reset Device">
        <source></source>
        <translation>复位设备</translation>
    </message>
    <message id="Monitor PV">
        <source></source>
        <translation>监视 PV</translation>
    </message>
    <message id="Monitor Loop">
        <source></source>
        <translation>监视回路电流</translation>
    </message>
    <message id="Monitor Percentage">
        <source></source>
        <translation>监视百分比</translation>
    </message>
    <message id="Monitor All">
        <source></source>
        <translation>全部监视</translation>
    </message>
    <message id="Tools(&amp;T)">
        <source></source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message id="Online Test">
        <source></source>
        <translation>在线测试</translation>
    </message>
    <message id="Polling">
        <source></source>
        <translation>轮询</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>恢复出厂设置</translation>
    </message>
    <message id="Calculator">
        <source></source>
        <translation>计算器</translation>
    </message>
    <message id="Default Parameters">
        <source></source>
        <translation>默认参数</translation>
    </message>
    <message id="Info Look(&amp;L)">
        <source></source>
        <translation>信息(&amp;L)</translation>
    </message>
    <message id="Hardware/Software Infomations">
        <source></source>
        <translation>硬件/软件信息</translation>
    </message>
    <message id="Communication Log">
        <source></source>
        <translation>通信记录</translation>
    </message>
    <message id="Device History">
        <source></source>
        <translation>设备历史</translation>
    </message>
    <message id="About  Tellavo(&amp;A)...">
        <source></source>
        <translation>关于 Tellavo(&amp;A)...</translation>
    </message>
    <message id="Serial Port : COM%1">
        <source></source>
        <translation>串口：COM%1</translation>
    </message>
    <message id="Serial Port : ">
        <source></source>
        <translation>串口：</translation>
    </message>
    <message id="Factory Calibration">
        <source></source>
        <translation>出厂标定</translation>
    </message>
    <message id="PV Parameters">
        <source></source>
        <translation>PV 参数</translation>
    </message>
    <message id="Loop &amp; PGA Settings">
        <source></source>
        <translation>回路与 PGA 设置</translation>
    </message>
    <message id="Pressure Calibration">
        <source></source>
        <translation>压力标定</translation>
    </message>
    <message id="Calibration Check">
        <source></source>
        <translation>校准检验</translation>
    </message>
    <message id="Subentry Settings">
        <source></source>
        <translation>分项设置</translation>
    </message>
    <message id="Instrument Number">
        <source></source>
        <translation>仪表编号</translation>
    </message>
    <message id="Instrument Detail">
        <source></source>
        <translation>仪表详情</translation>
    </message>
    <message id="Rerange Without Pressure">
        <source></source>
        <translation>无压迁移</translation>
    </message>
    <message id="Two Point Trim">
        <source></source>
        <translation>两点微调</translation>
    </message>
    <message id="Loop Out Character">
        <source></source>
        <translation>回路输出特性</translation>
    </message>
    <message id="Damping Time">
        <source></source>
        <translation>阻尼时间</translation>
    </message>
    <message id="Filter">
        <source></source>
        <translation>滤波</translation>
    </message>
    <message id="Special Parameters Settings">
        <source></source>
        <translation>特殊参数设置</translation>
    </message>
    <message id="SV Settings">
        <source></source>
        <translation>SV 设置</translation>
    </message>
    <message id="Monitor Process">
        <source></source>
        <translation>过程监视</translation>
    </message>
    <message id="Device Reset">
        <source></source>
        <translation>设备复位</translation>
    </message>
    <message id="Polling Device">
        <source></source>
        <translation>轮询设备</translation>
    </message>
    <message id="Stop Communication">
        <source></source>
        <translation>停止通信</translation>
    </message>
    <message id="Normal">
        <source></source>
        <translation>正常</translation>
    </message>
    <message id="Broadcast">
        <source></source>
        <translation>广播</translation>
    </message>
    <message id="Commands:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>命令：</numerusform>
        </translation>
    </message>
    <message id="all; or e.g. 1, 15, 48">
        <source></source>
        <translation>全部；或如 1, 15, 48</translation>
    </message>
    <message id="Clear" numerus="yes">
        <source></source>
        <translation>
            <numerusform>清除</numerusform>
        </translation>
    </message>
    <message id="Save..." numerus="yes">
        <source></source>
        <translation>
            <numerusform>保存...</numerusform>
        </translation>
    </message>
    <message id="Commands are numbers from 0 to 255, separated by commas">
        <source></source>
        <translation>命令为 0 到 255 的数字，以逗号分隔</translation>
    </message>
    <message id="The log shows no frames to save">
        <source></source>
        <translation>记录中没有可保存的帧</translation>
    </message>
    <message id="Devices:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>设备：</numerusform>
        </translation>
    </message>
    <message id="Filter:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>筛选：</numerusform>
        </translation>
    </message>
    <message id="all records; or text in the operation, detail, result, tag, station or user">
        <source></source>
        <translation>全部记录；或操作、详情、结果、位号、站号或用户中的文字</translation>
    </message>
    <message id="Choose a device in the list first">
        <source></source>
        <translation>请先在列表中选择设备</translation>
    </message>
    <message id="The window shows no records to export">
        <source></source>
        <translation>窗口中没有可导出的记录</translation>
    </message>
    <message id="Data file (.Hart)..." numerus="yes">
        <source></source>
        <translation>
            <numerusform>数据文件 (.Hart)...</numerusform>
        </translation>
    </message>
    <message id="The device now" numerus="yes">
        <source></source>
        <translation>
            <numerusform>设备当前</numerusform>
        </translation>
    </message>
    <message id="Read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>读取</numerusform>
        </translation>
    </message>
    <message id="℃" numerus="yes">
        <source></source>
        <translation>
            <numerusform>°C</numerusform>
        </translation>
    </message>
    <message id="Sampling" numerus="yes">
        <source></source>
        <translation>
            <numerusform>采样</numerusform>
        </translation>
    </message>
    <message id="Stop" numerus="yes">
        <source></source>
        <translation>
            <numerusform>停止</numerusform>
        </translation>
    </message>
    <message id="Update" numerus="yes">
        <source></source>
        <translation>
            <numerusform>更新</numerusform>
        </translation>
    </message>
    <message id="Read Correction" numerus="yes">
        <source></source>
        <translation>
            <numerusform>读取修正值</numerusform>
        </translation>
    </message>
    <message id="Invalid Temperature">
        <source></source>
        <translation>温度无效</translation>
    </message>
    <message id="Select Current Temperature Level">
        <source></source>
        <translation>选择当前温度点</translation>
    </message>
    <message id="Get data of 2 points at least!">
        <source></source>
        <translation>请至少获取 2 个点的数据！</translation>
    </message>
    <message id="Test" numerus="yes">
        <source></source>
        <translation>
            <numerusform>测试</numerusform>
        </translation>
    </message>
    <message id="Test points (% of range)">
        <source></source>
        <translation>测试点（量程的 %）</translation>
    </message>
    <message id="PV tolerance">
        <source></source>
        <translation>PV 允差</translation>
    </message>
    <message id="Loop current tolerance">
        <source></source>
        <translation>回路电流允差</translation>
    </message>
    <message id="Decision rule">
        <source></source>
        <translation>判定规则</translation>
    </message>
    <message id="Ambient">
        <source></source>
        <translation>环境</translation>
    </message>
    <message id="°C">
        <source></source>
        <translation>°C</translation>
    </message>
    <message id="%RH">
        <source></source>
        <translation>%RH</translation>
    </message>
    <message id="Reference standard" numerus="yes">
        <source></source>
        <translation>
            <numerusform>参考标准</numerusform>
        </translation>
    </message>
    <message id="Reference">
        <source></source>
        <translation>参考</translation>
    </message>
    <message id="Serial number">
        <source></source>
        <translation>序列号</translation>
    </message>
    <message id="Uncertainty (k = 2)">
        <source></source>
        <translation>不确定度（k = 2）</translation>
    </message>
    <message id="Calibration due">
        <source></source>
        <translation>校准到期</translation>
    </message>
    <message id="yyyy-MM-dd">
        <source></source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message id="Technician">
        <source></source>
        <translation>技术员</translation>
    </message>
    <message id="Run" numerus="yes">
        <source></source>
        <translation>
            <numerusform>运行</numerusform>
        </translation>
    </message>
    <message id="Set up the check and press Start As Found." numerus="yes">
        <source></source>
        <translation>
            <numerusform>设置检验后按“Start As Found”。</numerusform>
        </translation>
    </message>
    <message id="Adjust between the runs:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>两次运行之间的调整：</numerusform>
        </translation>
    </message>
    <message id="Humidity: a relative humidity lies between 0 and 100 %RH.">
        <source></source>
        <translation>湿度：相对湿度应在 0 到 100 %RH 之间。</translation>
    </message>
    <message id="Reference: please enter the reference standard's name and serial number.">
        <source></source>
        <translation>参考：请输入参考标准的名称和序列号。</translation>
    </message>
    <message id="Uncertainty (k = 2): an uncertainty is not negative.">
        <source></source>
        <translation>不确定度（k = 2）：不确定度不能为负。</translation>
    </message>
    <message id="Calibration due: please enter the reference's calibration due date as yyyy-MM-dd.">
        <source></source>
        <translation>校准到期：请按 yyyy-MM-dd 输入参考标准的校准到期日期。</translation>
    </message>
    <message id="Technician: please enter the name of who makes the check.">
        <source></source>
        <translation>技术员：请输入检验人员的姓名。</translation>
    </message>
    <message id="Start As Found or Start As Left first.">
        <source></source>
        <translation>请先运行“Start As Found”或“Start As Left”。</translation>
    </message>
    <message id="The certificate could not be drawn.">
        <source></source>
        <translation>无法生成证书。</translation>
    </message>
    <message id="Damping Time (0~100)">
        <source></source>
        <translation>阻尼时间 (0~100)</translation>
    </message>
    <message id="S">
        <source></source>
        <translation>s</translation>
    </message>
    <message id="Filter Configuration">
        <source></source>
        <translation>滤波配置</translation>
    </message>
    <message id="Inhibition ratio">
        <source></source>
        <translation>抑制比</translation>
    </message>
    <message id="%">
        <source></source>
        <translation>%</translation>
    </message>
    <message id="Device Details">
        <source></source>
        <translation>设备详情</translation>
    </message>
    <message id="Station Tag (Within 8 ASCII)">
        <source></source>
        <translation>位号（8 个 ASCII 字符以内）</translation>
    </message>
    <message id="Station Description (Within 16 ASCII)">
        <source></source>
        <translation>描述（16 个 ASCII 字符以内）</translation>
    </message>
    <message id="Device Message (Within 32 ASCII)">
        <source></source>
        <translation>设备信息（32 个 ASCII 字符以内）</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>日期</translation>
    </message>
    <message id="Y">
        <source></source>
        <translation>年</translation>
    </message>
    <message id="M">
        <source></source>
        <translation>月</translation>
    </message>
    <message id="D">
        <source></source>
        <translation>日</translation>
    </message>
    <message id="Device Number">
        <source></source>
        <translation>设备编号</translation>
    </message>
    <message id="Polling Address(0~15)">
        <source></source>
        <translation>短地址 (0~15)</translation>
    </message>
    <message id="Assembly Number(0~8388608)">
        <source></source>
        <translation>装配编号 (0~8388608)</translation>
    </message>
    <message id="Lot ID（Y:2.M:1.Lot:5）">
        <source></source>
        <translation>批号（年:2.月:1.批:5）</translation>
    </message>
    <message id="Zero Trim">
        <source></source>
        <translation>零点微调</translation>
    </message>
    <message id="Temperature(DIE)">
        <source></source>
        <translation>温度 (DIE)</translation>
    </message>
    <message id="Density compensation function">
        <source></source>
        <translation>密度补偿功能</translation>
    </message>
    <message id="Loop Alarm Type">
        <source></source>
        <translation>回路报警类型</translation>
    </message>
    <message id="Display Mode">
        <source></source>
        <translation>显示模式</translation>
    </message>
    <message id="Number Format">
        <source></source>
        <translation>数字格式</translation>
    </message>
    <message id="DIE Temperature">
        <source></source>
        <translation>DIE 温度</translation>
    </message>
    <message id="°F">
        <source></source>
        <translation>°F</translation>
    </message>
    <message id="K">
        <source></source>
        <translation>K</translation>
    </message>
    <message id="Display Duty Cycle">
        <source></source>
        <translation>显示占空比</translation>
    </message>
    <message id="% (10%~90%)">
        <source></source>
        <translation>% (10%~90%)</translation>
    </message>
    <message id="Start" numerus="yes">
        <source></source>
        <translation>
            <numerusform>开始</numerusform>
        </translation>
    </message>
    <message id="Save CSV" numerus="yes">
        <source></source>
        <translation>
            <numerusform>保存 CSV</numerusform>
        </translation>
    </message>
    <message id="No samples to save.">
        <source></source>
        <translation>没有可保存的采样。</translation>
    </message>
    <message id="Device Message(32 ASCII)">
        <source></source>
        <translation>设备信息（32 个 ASCII 字符）</translation>
    </message>
    <message id="Sensor Information" numerus="yes">
        <source></source>
        <translation>
            <numerusform>传感器信息</numerusform>
        </translation>
    </message>
    <message id="Sensor Lower Range Limit">
        <source></source>
        <translation>传感器量程下限</translation>
    </message>
    <message id="Sensor Upper Range Limit">
        <source></source>
        <translation>传感器量程上限</translation>
    </message>
    <message id="Sensor Unit">
        <source></source>
        <translation>传感器单位</translation>
    </message>
    <message id="Sensor Type">
        <source></source>
        <translation>传感器类型</translation>
    </message>
    <message id="Range Index">
        <source></source>
        <translation>量程索引</translation>
    </message>
    <message id="Sensor Excitation">
        <source></source>
        <translation>传感器激励</translation>
    </message>
    <message id="Maximum Resistance">
        <source></source>
        <translation>最大电阻</translation>
    </message>
    <message id="Device Information" numerus="yes">
        <source></source>
        <translation>
            <numerusform>设备信息</numerusform>
        </translation>
    </message>
    <message id="PV Lower Range Limit">
        <source></source>
        <translation>PV 量程下限</translation>
    </message>
    <message id="PV Upper Range Limit">
        <source></source>
        <translation>PV 量程上限</translation>
    </message>
    <message id="PV Unit">
        <source></source>
        <translation>PV 单位</translation>
    </message>
    <message id="Assembly ID">
        <source></source>
        <translation>装配号</translation>
    </message>
    <message id="Special Configuration" numerus="yes">
        <source></source>
        <translation>
            <numerusform>特殊配置</numerusform>
        </translation>
    </message>
    <message id="Transfer Function">
        <source></source>
        <translation>传递函数</translation>
    </message>
    <message id="Pressure Modes">
        <source></source>
        <translation>压力模式</translation>
    </message>
    <message id="Loop Trim">
        <source></source>
        <translation>回路微调</translation>
    </message>
    <message id="Use 250ohm for measurement" numerus="yes">
        <source></source>
        <translation>
            <numerusform>使用 250 Ω 电阻测量</numerusform>
        </translation>
    </message>
    <message id="DA Zero Out">
        <source></source>
        <translation>DA 零点输出</translation>
    </message>
    <message id="Check" numerus="yes">
        <source></source>
        <translation>
            <numerusform>检查</numerusform>
        </translation>
    </message>
    <message id="DA Span Out">
        <source></source>
        <translation>DA 满度输出</translation>
    </message>
    <message id="Send" numerus="yes">
        <source></source>
        <translation>
            <numerusform>发送</numerusform>
        </translation>
    </message>
    <message id="Check Loop">
        <source></source>
        <translation>回路检查</translation>
    </message>
    <message id="mA">
        <source></source>
        <translation>mA</translation>
    </message>
    <message id="Checking" numerus="yes">
        <source></source>
        <translation>
            <numerusform>检查中</numerusform>
        </translation>
    </message>
    <message id="Finish Loop Check" numerus="yes">
        <source></source>
        <translation>
            <numerusform>结束回路检查</numerusform>
        </translation>
    </message>
    <message id="Reconfig Range">
        <source></source>
        <translation>重设量程</translation>
    </message>
    <message id="PV LRL">
        <source></source>
        <translation>PV 量程下限</translation>
    </message>
    <message id="PV URL">
        <source></source>
        <translation>PV 量程上限</translation>
    </message>
    <message id="LRV(4mA)">
        <source></source>
        <translation>量程下限值 (4 mA)</translation>
    </message>
    <message id="URV(20mA)">
        <source></source>
        <translation>量程上限值 (20 mA)</translation>
    </message>
    <message id="Unit">
        <source></source>
        <translation>单位</translation>
    </message>
    <message id="Measured PV">
        <source></source>
        <translation>测得 PV</translation>
    </message>
    <message id="Actual PV">
        <source></source>
        <translation>实际 PV</translation>
    </message>
    <message id="PV Low Trim" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV 低点微调</numerusform>
        </translation>
    </message>
    <message id="PV High Trim" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV 高点微调</numerusform>
        </translation>
    </message>
    <message id="PV Zero Trim" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV 零点微调</numerusform>
        </translation>
    </message>
    <message id="Tools">
        <source></source>
        <translation>工具</translation>
    </message>
    <message id="Calculation mA" numerus="yes">
        <source></source>
        <translation>
            <numerusform>计算 mA</numerusform>
        </translation>
    </message>
    <message id="4mA Pressure">
        <source></source>
        <translation>4 mA 压力</translation>
    </message>
    <message id="20mA Pressure">
        <source></source>
        <translation>20 mA 压力</translation>
    </message>
    <message id="Input Pressure">
        <source></source>
        <translation>输入压力</translation>
    </message>
    <message id="Loop mA">
        <source></source>
        <translation>回路 mA</translation>
    </message>
    <message id="Calculation PV" numerus="yes">
        <source></source>
        <translation>
            <numerusform>计算 PV</numerusform>
        </translation>
    </message>
    <message id="AD calculation" numerus="yes">
        <source></source>
        <translation>
            <numerusform>AD 计算</numerusform>
        </translation>
    </message>
    <message id="Low Pressure">
        <source></source>
        <translation>低压</translation>
    </message>
    <message id="AD - Low">
        <source></source>
        <translation>AD - 低</translation>
    </message>
    <message id="High Pressure">
        <source></source>
        <translation>高压</translation>
    </message>
    <message id="AD - High">
        <source></source>
        <translation>AD - 高</translation>
    </message>
    <message id="Zero ADC">
        <source></source>
        <translation>零点 ADC</translation>
    </message>
    <message id="Span ADC">
        <source></source>
        <translation>满度 ADC</translation>
    </message>
    <message id="Calculation AD" numerus="yes">
        <source></source>
        <translation>
            <numerusform>计算 AD</numerusform>
        </translation>
    </message>
    <message id="0">
        <source></source>
        <translation>0</translation>
    </message>
    <message id="Default Params">
        <source></source>
        <translation>默认参数</translation>
    </message>
    <message id="Online Test Before Update" numerus="yes">
        <source></source>
        <translation>
            <numerusform>更新前先在线测试</numerusform>
        </translation>
    </message>
    <message id="Serial Port">
        <source></source>
        <translation>串口</translation>
    </message>
    <message id="Polling Address">
        <source></source>
        <translation>短地址</translation>
    </message>
    <message id="Index Range">
        <source></source>
        <translation>量程索引</translation>
    </message>
    <message id="Lower Range Limit">
        <source></source>
        <translation>量程下限</translation>
    </message>
    <message id="Upper Range Limit">
        <source></source>
        <translation>量程上限</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>确定</translation>
    </message>
    <message id="Hardware and software information">
        <source></source>
        <translation>硬件和软件信息</translation>
    </message>
    <message id="Software Version">
        <source></source>
        <translation>软件版本</translation>
    </message>
    <message id="Hardware Version">
        <source></source>
        <translation>硬件版本</translation>
    </message>
    <message id="Query" numerus="yes">
        <source></source>
        <translation>
            <numerusform>查询</numerusform>
        </translation>
    </message>
    <message id="Calibration certificate ">
        <source></source>
        <translation>校准证书 </translation>
    </message>
    <message id="Communication Port Error">
        <source></source>
        <translation>通信端口错误</translation>
    </message>
    <message id="No Device">
        <source></source>
        <translation>无设备</translation>
    </message>
    <message id="Busy!Try later.">
        <source></source>
        <translation>忙！请稍后再试。</translation>
    </message>
    <message id="Busy! Try later.">
        <source></source>
        <translation>忙！请稍后再试。</translation>
    </message>
    <message id="Online Device Searching?">
        <source></source>
        <translation>搜索在线设备？</translation>
    </message>
    <message id="s">
        <source></source>
        <translation>s</translation>
    </message>
    <message id="Invalid Damping Time">
        <source></source>
        <translation>阻尼时间无效</translation>
    </message>
    <message id="Year Input Error">
        <source></source>
        <translation>年份输入错误</translation>
    </message>
    <message id="Month Input Error">
        <source></source>
        <translation>月份输入错误</translation>
    </message>
    <message id="Day Input Error">
        <source></source>
        <translation>日期输入错误</translation>
    </message>
    <message id="短地址数据不合理">
        <source></source>
        <translation>短地址数据不合理</translation>
    </message>
    <message id="当前装配编号数据不合理">
        <source></source>
        <translation>当前装配编号数据不合理</translation>
    </message>
    <message id="Lot ID">
        <source></source>
        <translation>批号</translation>
    </message>
    <message id="Loop Function">
        <source></source>
        <translation>回路函数</translation>
    </message>
    <message id="Linear">
        <source></source>
        <translation>线性</translation>
    </message>
    <message id="SQRT">
        <source></source>
        <translation>开方</translation>
    </message>
    <message id="No compensation">
        <source></source>
        <translation>无补偿</translation>
    </message>
    <message id="1-order compensation">
        <source></source>
        <translation>一阶补偿</translation>
    </message>
    <message id="2-order compensation">
        <source></source>
        <translation>二阶补偿</translation>
    </message>
    <message id="Invalid Duty Cycle">
        <source></source>
        <translation>占空比无效</translation>
    </message>
    <message id="SV Display Mode">
        <source></source>
        <translation>SV 显示模式</translation>
    </message>
    <message id="SV Display Off">
        <source></source>
        <translation>不显示 SV</translation>
    </message>
    <message id="SV ON C">
        <source></source>
        <translation>显示 SV °C</translation>
    </message>
    <message id="SV ON F">
        <source></source>
        <translation>显示 SV °F</translation>
    </message>
    <message id="SV On K">
        <source></source>
        <translation>显示 SV K</translation>
    </message>
    <message id="+5V">
        <source></source>
        <translation>+5 V</translation>
    </message>
    <message id="1.5mA">
        <source></source>
        <translation>1.5 mA</translation>
    </message>
    <message id="1mA">
        <source></source>
        <translation>1 mA</translation>
    </message>
    <message id="0.75mA">
        <source></source>
        <translation>0.75 mA</translation>
    </message>
    <message id="0.5mA">
        <source></source>
        <translation>0.5 mA</translation>
    </message>
    <message id="0.25mA">
        <source></source>
        <translation>0.25 mA</translation>
    </message>
    <message id="Display PV">
        <source></source>
        <translation>显示 PV</translation>
    </message>
    <message id="Display F.S.%">
        <source></source>
        <translation>显示满度 %</translation>
    </message>
    <message id="Display Loop mA">
        <source></source>
        <translation>显示回路 mA</translation>
    </message>
    <message id="20.8mA">
        <source></source>
        <translation>20.8 mA</translation>
    </message>
    <message id="3.8mA">
        <source></source>
        <translation>3.8 mA</translation>
    </message>
    <message id="Saturated">
        <source></source>
        <translation>饱和</translation>
    </message>
    <message id="Integer">
        <source></source>
        <translation>整数</translation>
    </message>
    <message id="1 decimal">
        <source></source>
        <translation>1 位小数</translation>
    </message>
    <message id="2 decimal">
        <source></source>
        <translation>2 位小数</translation>
    </message>
    <message id="3 decimal">
        <source></source>
        <translation>3 位小数</translation>
    </message>
    <message id="Gauge Modes">
        <source></source>
        <translation>表压模式</translation>
    </message>
    <message id="Absolute Modes">
        <source></source>
        <translation>绝压模式</translation>
    </message>
    <message id="第一点值超出范围">
        <source></source>
        <translation>第一点值超出范围</translation>
    </message>
    <message id="第二点值超出范围">
        <source></source>
        <translation>第二点值超出范围</translation>
    </message>
    <message id="Check[Get]Button!">
        <source></source>
        <translation>请先按“检查”获取数据！</translation>
    </message>
    <message id="Zero Trim ?">
        <source></source>
        <translation>零点微调？</translation>
    </message>
    <message id="请输入一个数字。">
        <source></source>
        <translation>请输入一个数字。</translation>
    </message>
    <message id="请输入一个正整数。">
        <source></source>
        <translation>请输入一个正整数。</translation>
    </message>
    <message id="Display PV ">
        <source></source>
        <translation>显示 PV</translation>
    </message>
    <message id="Thermal Effective">
        <source></source>
        <translation>温度影响</translation>
    </message>
    <message id="℃ (≥0℃)">
        <source></source>
        <translation>°C (≥0 °C)</translation>
    </message>
    <message id="Thermal Direct Loop Trim">
        <source></source>
        <translation>温度直接回路微调</translation>
    </message>
    <message id="%(-50%~50%)">
        <source></source>
        <translation>% (-50%~50%)</translation>
    </message>
    <message id="Area">
        <source></source>
        <translation>面积</translation>
    </message>
    <message id="m2(>0)">
        <source></source>
        <translation>m2 (&gt;0)</translation>
    </message>
    <message id="Density">
        <source></source>
        <translation>密度</translation>
    </message>
    <message id="g/cm3(0.000081~22.65)">
        <source></source>
        <translation>g/cm3 (0.000081~22.65)</translation>
    </message>
    <message id="High">
        <source></source>
        <translation>高度</translation>
    </message>
    <message id="m">
        <source></source>
        <translation>m</translation>
    </message>
    <message id="PS32 Capacity Ceramic">
        <source></source>
        <translation>PS32 电容陶瓷</translation>
    </message>
    <message id="PS18 Capacity Ceramic">
        <source></source>
        <translation>PS18 电容陶瓷</translation>
    </message>
    <message id="181 Piezoresistive Ceramic">
        <source></source>
        <translation>181 压阻陶瓷</translation>
    </message>
    <message id="182 Piezoresistive Ceramic">
        <source></source>
        <translation>182 压阻陶瓷</translation>
    </message>
    <message id="Piezoresistive Silicon">
        <source></source>
        <translation>压阻硅</translation>
    </message>
    <message id="Metal Capacitive Sensor">
        <source></source>
        <translation>金属电容传感器</translation>
    </message>
    <message id="Magnetism rolling board">
        <source></source>
        <translation>磁翻板</translation>
    </message>
    <message id="High Stability Sililcon">
        <source></source>
        <translation>高稳定性硅</translation>
    </message>
    <message id="MIDA Sapphire Silicon">
        <source></source>
        <translation>MIDA 蓝宝石硅</translation>
    </message>
    <message id="Sputtered Thin Film">
        <source></source>
        <translation>溅射薄膜</translation>
    </message>
    <message id="Strain Type Sensor">
        <source></source>
        <translation>应变式传感器</translation>
    </message>
    <message id="Weighting sensor">
        <source></source>
        <translation>称重传感器</translation>
    </message>
    <message id="Connection">
        <source></source>
        <translation>连接</translation>
    </message>
    <message id="Connect Through">
        <source></source>
        <translation>连接方式</translation>
    </message>
    <message id="HART-IP Host">
        <source></source>
        <translation>HART-IP 主机</translation>
    </message>
    <message id="HART-IP Port">
        <source></source>
        <translation>HART-IP 端口</translation>
    </message>
    <message id="Reply Time-out">
        <source></source>
        <translation>应答超时</translation>
    </message>
    <message id="From the device">
        <source></source>
        <translation>来自设备</translation>
    </message>
    <message id="To the device">
        <source></source>
        <translation>发往设备</translation>
    </message>
    <message id="Time">
        <source></source>
        <translation>时间</translation>
    </message>
    <message id="Dir">
        <source></source>
        <translation>方向</translation>
    </message>
    <message id="Cmd">
        <source></source>
        <translation>命令</translation>
    </message>
    <message id="Decode">
        <source></source>
        <translation>解码</translation>
    </message>
    <message id="Bytes">
        <source></source>
        <translation>字节</translation>
    </message>
    <message id="%1 of %2 frames shown">
        <source></source>
        <translation>显示 %1 / %2 帧</translation>
    </message>
    <message id=" (the last 10 000 are kept)">
        <source></source>
        <translation>（仅保留最近 10 000 帧）</translation>
    </message>
    <message id="Capture (*.pcap)">
        <source></source>
        <translation>抓包文件 (*.pcap)</translation>
    </message>
    <message id="code %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>代码 %d</numerusform>
        </translation>
    </message>
    <message id="(unit code %d)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>（单位代码 %d）</numerusform>
        </translation>
    </message>
    <message id="Tag">
        <source></source>
        <translation>位号</translation>
    </message>
    <message id="Descriptor">
        <source></source>
        <translation>描述符</translation>
    </message>
    <message id="Device Message">
        <source></source>
        <translation>设备消息</translation>
    </message>
    <message id="PV range">
        <source></source>
        <translation>PV 量程</translation>
    </message>
    <message id="PV Range Limits">
        <source></source>
        <translation>PV 量程极限</translation>
    </message>
    <message id="Sensor Limits">
        <source></source>
        <translation>传感器极限</translation>
    </message>
    <message id="Temperature Points">
        <source></source>
        <translation>温度点数</translation>
    </message>
    <message id="Pressure Points">
        <source></source>
        <translation>压力点数</translation>
    </message>
    <message id="Temperature %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>温度 %d</numerusform>
        </translation>
    </message>
    <message id="T-AD %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>温度 AD %d</numerusform>
        </translation>
    </message>
    <message id="AD %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>AD %d</numerusform>
        </translation>
    </message>
    <message id=" (Temperature %s)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>（温度 %s）</numerusform>
        </translation>
    </message>
    <message id="its PV unit code %d is none the device knows" numerus="yes">
        <source></source>
        <translation>
            <numerusform>其 PV 单位代码 %d 不是设备认识的单位</numerusform>
        </translation>
    </message>
    <message id="its sensor limits (%s to %s) are not a range" numerus="yes">
        <source></source>
        <translation>
            <numerusform>其传感器极限（%s 至 %s）不构成范围</numerusform>
        </translation>
    </message>
    <message id="lower range value">
        <source></source>
        <translation>量程下限值</translation>
    </message>
    <message id="upper range value">
        <source></source>
        <translation>量程上限值</translation>
    </message>
    <message id="PV lower range limit">
        <source></source>
        <translation>PV 量程下限</translation>
    </message>
    <message id="PV upper range limit">
        <source></source>
        <translation>PV 量程上限</translation>
    </message>
    <message id="its %s is not a number" numerus="yes">
        <source></source>
        <translation>
            <numerusform>其%s不是数字</numerusform>
        </translation>
    </message>
    <message id="its %s %s lies outside the sensor limits %s to %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>其%s %s 超出传感器极限 %s 至 %s</numerusform>
        </translation>
    </message>
    <message id="its zero trim is not a number">
        <source></source>
        <translation>其零点微调值不是数字</translation>
    </message>
    <message id="its damping %s s lies outside 0 to 100 s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>其阻尼时间 %s s 超出 0 s 至 100 s</numerusform>
        </translation>
    </message>
    <message id="its transfer function code %d is neither linear nor square root" numerus="yes">
        <source></source>
        <translation>
            <numerusform>其传递函数代码 %d 既不是线性也不是开方</numerusform>
        </translation>
    </message>
    <message id="it claims %d temperature points (at most %d)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>其声明有 %d 个温度点（最多 %d 个）</numerusform>
        </translation>
    </message>
    <message id="the device">
        <source></source>
        <translation>该设备</translation>
    </message>
    <message id="%.4f to %.4f %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%.4f 至 %.4f %s</numerusform>
        </translation>
    </message>
    <message id="Open Index File Error">
        <source></source>
        <translation>无法打开文件</translation>
    </message>
    <message id="Not a configuration file (%lld bytes, %d expected)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>不是组态文件（%lld 字节，应为 %d 字节）</numerusform>
        </translation>
    </message>
    <message id="no records are kept (Records=none in the settings)">
        <source></source>
        <translation>不保存记录（设置中 Records=none）</translation>
    </message>
    <message id="no records yet (%1 does not exist)">
        <source></source>
        <translation>尚无记录（%1 不存在）</translation>
    </message>
    <message id="%1 record">
        <source></source>
        <translation>%1 条记录</translation>
    </message>
    <message id="%1 records">
        <source></source>
        <translation>%1 条记录</translation>
    </message>
    <message id="Long Address">
        <source></source>
        <translation>长地址</translation>
    </message>
    <message id="Last Seen">
        <source></source>
        <translation>最后通信</translation>
    </message>
    <message id="Records">
        <source></source>
        <translation>记录</translation>
    </message>
    <message id="Station">
        <source></source>
        <translation>站号</translation>
    </message>
    <message id="User">
        <source></source>
        <translation>用户</translation>
    </message>
    <message id="Operation">
        <source></source>
        <translation>操作</translation>
    </message>
    <message id="Detail">
        <source></source>
        <translation>详情</translation>
    </message>
    <message id="Result">
        <source></source>
        <translation>结果</translation>
    </message>
    <message id="Refresh">
        <source></source>
        <translation>刷新</translation>
    </message>
    <message id="Compare...">
        <source></source>
        <translation>比较...</translation>
    </message>
    <message id="Export CSV...">
        <source></source>
        <translation>导出 CSV...</translation>
    </message>
    <message id="(not identified)">
        <source></source>
        <translation>（未识别）</translation>
    </message>
    <message id="Records cannot be read: %1">
        <source></source>
        <translation>无法读取记录：%1</translation>
    </message>
    <message id="Reading the records...">
        <source></source>
        <translation>正在读取记录...</translation>
    </message>
    <message id="The records hold no devices">
        <source></source>
        <translation>记录中没有设备</translation>
    </message>
    <message id="%1 newest of %2 shown">
        <source></source>
        <translation>显示 %2 中最新的 %1</translation>
    </message>
    <message id="%1 shown">
        <source></source>
        <translation>显示 %1</translation>
    </message>
    <message id="CSV (*.csv)">
        <source></source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message id="Left:">
        <source></source>
        <translation>左侧：</translation>
    </message>
    <message id="Right:">
        <source></source>
        <translation>右侧：</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>参数</translation>
    </message>
    <message id="Left">
        <source></source>
        <translation>左侧</translation>
    </message>
    <message id="Right">
        <source></source>
        <translation>右侧</translation>
    </message>
    <message id="File %1">
        <source></source>
        <translation>文件 %1</translation>
    </message>
    <message id="The device, read at %1">
        <source></source>
        <translation>设备，读取于 %1</translation>
    </message>
    <message id="The image cannot be read: %1">
        <source></source>
        <translation>无法读取组态映像：%1</translation>
    </message>
    <message id="The record keeps no image">
        <source></source>
        <translation>该记录未保存组态映像</translation>
    </message>
    <message id="The record's image has %1 bytes, not %2">
        <source></source>
        <translation>该记录的组态映像为 %1 字节，而不是 %2 字节</translation>
    </message>
    <message id="The two images hold the same values">
        <source></source>
        <translation>两个组态映像的参数相同</translation>
    </message>
    <message id="1 value differs">
        <source></source>
        <translation>1 项参数不同</translation>
    </message>
    <message id="%1 values differ">
        <source></source>
        <translation>%1 项参数不同</translation>
    </message>
    <message id="Records: off">
        <source></source>
        <translation>记录：关闭</translation>
    </message>
    <message id="Records: off (%1)">
        <source></source>
        <translation>记录：关闭（%1）</translation>
    </message>
    <message id="Records: %1 not yet saved (%2)">
        <source></source>
        <translation>记录：%1 条尚未保存（%2）</translation>
    </message>
    <message id="Records are off: %1">
        <source></source>
        <translation>记录已关闭：%1</translation>
    </message>
    <message id="poll %1">
        <source></source>
        <translation>轮询地址 %1</translation>
    </message>
    <message id="not written">
        <source></source>
        <translation>未发出</translation>
    </message>
    <message id="no reply">
        <source></source>
        <translation>无应答</translation>
    </message>
    <message id=", wrong check byte">
        <source></source>
        <translation>，校验字节错误</translation>
    </message>
    <message id=", incomplete">
        <source></source>
        <translation>，不完整</translation>
    </message>
    <message id=", after %1 frame not answering the request">
        <source></source>
        <translation>，之前有 %1 帧不是对该请求的应答</translation>
    </message>
    <message id=", after %1 frames not answering the request">
        <source></source>
        <translation>，之前有 %1 帧不是对该请求的应答</translation>
    </message>
    <message id="Short frame, %1">
        <source></source>
        <translation>短帧，%1</translation>
    </message>
    <message id="No reply">
        <source></source>
        <translation>无应答</translation>
    </message>
    <message id="Reply with a wrong check byte">
        <source></source>
        <translation>应答校验字节错误</translation>
    </message>
    <message id="Incomplete reply">
        <source></source>
        <translation>应答不完整</translation>
    </message>
    <message id="The device received a corrupted request">
        <source></source>
        <translation>设备收到的请求已损坏</translation>
    </message>
    <message id="Communication status 0x%1">
        <source></source>
        <translation>通信状态 0x%1</translation>
    </message>
    <message id="response code %1: %2">
        <source></source>
        <translation>响应码 %1：%2</translation>
    </message>
    <message id="; warning, %1">
        <source></source>
        <translation>；警告，%1</translation>
    </message>
    <message id="; refused, %1">
        <source></source>
        <translation>；拒绝，%1</translation>
    </message>
    <message id="Device status 0x%1 (command %2)">
        <source></source>
        <translation>设备状态 0x%1（命令 %2）</translation>
    </message>
    <message id="Response code %1">
        <source></source>
        <translation>响应码 %1</translation>
    </message>
    <message id="Device reports %d temperature points (1 to 8 can be compensated)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>设备报告有 %d 个温度点（可补偿 1 至 8 个）</numerusform>
        </translation>
    </message>
    <message id="Reset?">
        <source></source>
        <translation>复位设备？</translation>
    </message>
    <message id="Restore Factory Default">
        <source></source>
        <translation>恢复出厂默认组态？</translation>
    </message>
    <message id="The device's factory default configuration is restored.">
        <source></source>
        <translation>设备已恢复出厂默认组态。</translation>
    </message>
    <message id="Cancel The Factory Calibration?">
        <source></source>
        <translation>取消出厂标定？</translation>
    </message>
    <message id="The device's factory calibration is cancelled.">
        <source></source>
        <translation>设备的出厂标定已取消。</translation>
    </message>
    <message id="The thermal compensation backup could not be kept, so nothing was sent to the device.">
        <source></source>
        <translation>无法保存温度补偿备份，因此未向设备发送任何数据。</translation>
    </message>
    <message id="Thermal compensation cancelled on %s. Its values are kept in %s." numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s 的温度补偿已取消。其数值保存在 %s 中。</numerusform>
        </translation>
    </message>
    <message id="No thermal compensation backup for this device">
        <source></source>
        <translation>该设备没有温度补偿备份</translation>
    </message>
    <message id="Thermal compensation restored on %s." numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s 的温度补偿已恢复。</numerusform>
        </translation>
    </message>
    <message id="Manufacturer">
        <source></source>
        <translation>制造商</translation>
    </message>
    <message id="Device Type">
        <source></source>
        <translation>设备类型</translation>
    </message>
    <message id="Device ID">
        <source></source>
        <translation>设备 ID</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>取消</translation>
    </message>
    <message id="Succeed">
        <source></source>
        <translation>成功</translation>
    </message>
    <message id="fail to send">
        <source></source>
        <translation>发送失败</translation>
    </message>
    <message id="No response,timeout!">
        <source></source>
        <translation>无响应，超时</translation>
    </message>
    <message id="Check code error">
        <source></source>
        <translation>校验错误</translation>
    </message>
    <message id="Unknown error">
        <source></source>
        <translation>未知错误</translation>
    </message>
    <message id="Reply too short">
        <source></source>
        <translation>应答过短</translation>
    </message>
    <message id="Device received a corrupted request">
        <source></source>
        <translation>设备收到的请求已损坏</translation>
    </message>
    <message id="Not in proper current mode">
        <source></source>
        <translation>不在正确的电流模式</translation>
    </message>
    <message id="In multidrop mode">
        <source></source>
        <translation>处于多点模式</translation>
    </message>
    <message id="Undefined">
        <source></source>
        <translation>未定义</translation>
    </message>
    <message id="Invalid selection">
        <source></source>
        <translation>无效选择</translation>
    </message>
    <message id="Passed parameter too large">
        <source></source>
        <translation>参数过大</translation>
    </message>
    <message id="Passed parameter too small">
        <source></source>
        <translation>参数过小</translation>
    </message>
    <message id="Too few data bytes received">
        <source></source>
        <translation>收到的数据字节过少</translation>
    </message>
    <message id="Device-specific command error">
        <source></source>
        <translation>设备专用命令错误</translation>
    </message>
    <message id="In write protect mode">
        <source></source>
        <translation>处于写保护模式</translation>
    </message>
    <message id="Set to nearest possible value">
        <source></source>
        <translation>已设为最接近的可用值</translation>
    </message>
    <message id="Lower range value too high">
        <source></source>
        <translation>量程下限值过高</translation>
    </message>
    <message id="Lower range value too low">
        <source></source>
        <translation>量程下限值过低</translation>
    </message>
    <message id="Upper range value too high">
        <source></source>
        <translation>量程上限值过高</translation>
    </message>
    <message id="Upper range value too low">
        <source></source>
        <translation>量程上限值过低</translation>
    </message>
    <message id="Upper and lower range values out of limits">
        <source></source>
        <translation>量程上下限值均超出极限</translation>
    </message>
    <message id="Span too small">
        <source></source>
        <translation>量程跨度过小</translation>
    </message>
    <message id="Access restricted">
        <source></source>
        <translation>访问受限</translation>
    </message>
    <message id="Invalid span">
        <source></source>
        <translation>无效量程跨度</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>设备忙</translation>
    </message>
    <message id="Delayed response initiated">
        <source></source>
        <translation>已启动延迟响应</translation>
    </message>
    <message id="Delayed response running">
        <source></source>
        <translation>延迟响应进行中</translation>
    </message>
    <message id="Delayed response dead">
        <source></source>
        <translation>延迟响应已失效</translation>
    </message>
    <message id="Delayed response conflict">
        <source></source>
        <translation>延迟响应冲突</translation>
    </message>
    <message id="Command not implemented">
        <source></source>
        <translation>命令未实现</translation>
    </message>
    <message id="Response code %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>响应码 %d</numerusform>
        </translation>
    </message>
    <message id="Communication Failure: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>通信失败：%s</numerusform>
        </translation>
    </message>
    <message id="Communication Failure:%s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>通信失败：%s</numerusform>
        </translation>
    </message>
    <message id="Online %d Device" numerus="yes">
        <source></source>
        <translation>
            <numerusform>在线设备：%d 台</numerusform>
        </translation>
    </message>
    <message id="Search stopped at address %d: no device found" numerus="yes">
        <source></source>
        <translation>
            <numerusform>搜索在地址 %d 处停止：未找到设备</numerusform>
        </translation>
    </message>
    <message id="Search stopped at address %d: 1 device found (%s)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>搜索在地址 %d 处停止：找到 1 台设备（%s）</numerusform>
        </translation>
    </message>
    <message id="Search stopped at address %d: %d devices found (%s)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>搜索在地址 %d 处停止：找到 %d 台设备（%s）</numerusform>
        </translation>
    </message>
    <message id="The loop current is fixed at %.3f mA. Return the loop to automatic control?" numerus="yes">
        <source></source>
        <translation>
            <numerusform>回路电流固定在 %.3f mA。是否将回路恢复为自动控制？</numerusform>
        </translation>
    </message>
    <message id="Please enter a number: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>请输入数字：%s</numerusform>
        </translation>
    </message>
    <message id="Please select: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>请选择：%s</numerusform>
        </translation>
    </message>
    <message id="Calibration Points">
        <source></source>
        <translation>标定点数</translation>
    </message>
    <message id="Temperature Point">
        <source></source>
        <translation>温度点数</translation>
    </message>
    <message id="Temperature Values">
        <source></source>
        <translation>温度值</translation>
    </message>
    <message id="Calibration Rows">
        <source></source>
        <translation>标定点</translation>
    </message>
    <message id="Current Temperature">
        <source></source>
        <translation>当前温度</translation>
    </message>
    <message id="Range：">
        <source></source>
        <translation>量程：</translation>
    </message>
    <message id="Pv over range">
        <source></source>
        <translation>PV 超出量程</translation>
    </message>
    <message id="Simple acceptance">
        <source></source>
        <translation>简单判定</translation>
    </message>
    <message id="Guarded by the reference uncertainty">
        <source></source>
        <translation>按标准器不确定度保护判定</translation>
    </message>
    <message id="% of span">
        <source></source>
        <translation>% 量程</translation>
    </message>
    <message id="Start As Found">
        <source></source>
        <translation>开始校前检查</translation>
    </message>
    <message id="Start As Left">
        <source></source>
        <translation>开始校后检查</translation>
    </message>
    <message id="Save Certificate...">
        <source></source>
        <translation>保存证书...</translation>
    </message>
    <message id="Point">
        <source></source>
        <translation>测试点</translation>
    </message>
    <message id="Nominal">
        <source></source>
        <translation>标称值</translation>
    </message>
    <message id="PV">
        <source></source>
        <translation>PV</translation>
    </message>
    <message id="PV error">
        <source></source>
        <translation>PV 误差</translation>
    </message>
    <message id="mA error">
        <source></source>
        <translation>mA 误差</translation>
    </message>
    <message id="Loop &amp;&amp; PGA Settings">
        <source></source>
        <translation>回路与 PGA 设置</translation>
    </message>
    <message id="PASS">
        <source></source>
        <translation>合格</translation>
    </message>
    <message id="FAIL">
        <source></source>
        <translation>不合格</translation>
    </message>
    <message id="As found">
        <source></source>
        <translation>校前</translation>
    </message>
    <message id="As left">
        <source></source>
        <translation>校后</translation>
    </message>
    <message id="Loop Current">
        <source></source>
        <translation>回路电流</translation>
    </message>
    <message id="Loop Current Trend Chart">
        <source></source>
        <translation>回路电流趋势图</translation>
    </message>
    <message id="current">
        <source></source>
        <translation>电流</translation>
    </message>
    <message id="Percentage">
        <source></source>
        <translation>百分比</translation>
    </message>
    <message id="Percentage Trend Chart">
        <source></source>
        <translation>百分比趋势图</translation>
    </message>
    <message id="percentage">
        <source></source>
        <translation>百分比</translation>
    </message>
    <message id="PV Trend Chart">
        <source></source>
        <translation>PV 趋势图</translation>
    </message>
    <message id="current (mA)">
        <source></source>
        <translation>电流 (mA)</translation>
    </message>
    <message id="percentage (%)">
        <source></source>
        <translation>百分比 (%)</translation>
    </message>
    <message id="Loop Trend Chart">
        <source></source>
        <translation>回路电流趋势图</translation>
    </message>
    <message id="time">
        <source></source>
        <translation>时间</translation>
    </message>
    <message id="unit">
        <source></source>
        <translation>单位</translation>
    </message>
    <message id="The device at address %1">
        <source></source>
        <translation>地址 %1 的设备</translation>
    </message>
    <message id="%1 answered: long address %2">
        <source></source>
        <translation>%1 已应答：长地址 %2</translation>
    </message>
    <message id="No device answered at address %1">
        <source></source>
        <translation>地址 %1 无设备应答</translation>
    </message>
    <message id="Serial port">
        <source></source>
        <translation>串口</translation>
    </message>
    <message id="HART-IP">
        <source></source>
        <translation>HART-IP</translation>
    </message>
    <message id="UDP">
        <source></source>
        <translation>UDP</translation>
    </message>
    <message id="TCP">
        <source></source>
        <translation>TCP</translation>
    </message>
    <message id="Tolerant">
        <source></source>
        <translation>宽松</translation>
    </message>
    <message id="HART standard">
        <source></source>
        <translation>HART 标准</translation>
    </message>
    <message id="22.8mA">
        <source></source>
        <translation>22.8 mA</translation>
    </message>
    <message id="2 decimals">
        <source></source>
        <translation>2 位小数</translation>
    </message>
    <message id="3 decimals">
        <source></source>
        <translation>3 位小数</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>语言</translation>
    </message>
    <message id="As built">
        <source></source>
        <translation>程序原文</translation>
    </message>
    <message id="Please choose a port: Serial Port">
        <source></source>
        <translation>请选择端口：串口</translation>
    </message>
    <message id="Read Version ERRO">
        <source></source>
        <translation>读取版本失败</translation>
    </message>
    <message id="1 sample">
        <source></source>
        <translation>1 个采样</translation>
    </message>
    <message id="%1 samples">
        <source></source>
        <translation>%1 个采样</translation>
    </message>
    <message id="square root">
        <source></source>
        <translation>开方</translation>
    </message>
    <message id="linear">
        <source></source>
        <translation>线性</translation>
    </message>
    <message id="NOT READ">
        <source></source>
        <translation>未读取</translation>
    </message>
    <message id="Long address">
        <source></source>
        <translation>长地址</translation>
    </message>
    <message id="Device type">
        <source></source>
        <translation>设备类型</translation>
    </message>
    <message id="Device id">
        <source></source>
        <translation>设备 ID</translation>
    </message>
    <message id="Lot id">
        <source></source>
        <translation>批号</translation>
    </message>
    <message id="Versions">
        <source></source>
        <translation>版本</translation>
    </message>
    <message id="Sensor limits">
        <source></source>
        <translation>传感器限值</translation>
    </message>
    <message id="Transfer function">
        <source></source>
        <translation>传递函数</translation>
    </message>
    <message id="Damping">
        <source></source>
        <translation>阻尼</translation>
    </message>
    <message id="Method">
        <source></source>
        <translation>方法</translation>
    </message>
    <message id="Test points">
        <source></source>
        <translation>测试点</translation>
    </message>
    <message id="Current tolerance">
        <source></source>
        <translation>电流允差</translation>
    </message>
    <message id="Uncertainty">
        <source></source>
        <translation>不确定度</translation>
    </message>
    <message id="as found">
        <source></source>
        <translation>校前</translation>
    </message>
    <message id="as left">
        <source></source>
        <translation>校后</translation>
    </message>
    <message id="Checked by">
        <source></source>
        <translation>检查人</translation>
    </message>
    <message id="Approved by">
        <source></source>
        <translation>批准人</translation>
    </message>
    <message id="certificate">
        <source></source>
        <translation>证书</translation>
    </message>
    <message id="run">
        <source></source>
        <translation>检查</translation>
    </message>
    <message id="point %">
        <source></source>
        <translation>测试点 %</translation>
    </message>
    <message id="direction">
        <source></source>
        <translation>方向</translation>
    </message>
    <message id="nominal">
        <source></source>
        <translation>标称值</translation>
    </message>
    <message id="reference">
        <source></source>
        <translation>标准器读数</translation>
    </message>
    <message id="pv">
        <source></source>
        <translation>PV</translation>
    </message>
    <message id="pv error % of span">
        <source></source>
        <translation>PV 误差 % 量程</translation>
    </message>
    <message id="expected mA">
        <source></source>
        <translation>期望 mA</translation>
    </message>
    <message id="measured mA">
        <source></source>
        <translation>测量 mA</translation>
    </message>
    <message id="current error % of span">
        <source></source>
        <translation>电流误差 % 量程</translation>
    </message>
    <message id="result">
        <source></source>
        <translation>结果</translation>
    </message>
    <message id="Please enter a host: HART-IP Host">
        <source></source>
        <translation>请输入主机：HART-IP 主机</translation>
    </message>
    <message id="A host name has no spaces: HART-IP Host">
        <source></source>
        <translation>主机名不能含空格：HART-IP 主机</translation>
    </message>
    <message id="Please enter a port from 1 to 65535: HART-IP Port">
        <source></source>
        <translation>请输入 1 至 65535 的端口：HART-IP 端口</translation>
    </message>
    <message id="%s (not present)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s（不存在）</numerusform>
        </translation>
    </message>
    <message id="Write %s into the device?" numerus="yes">
        <source></source>
        <translation>
            <numerusform>将 %s 写入设备？</numerusform>
        </translation>
    </message>
    <message id="Tag: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>位号：%s</numerusform>
        </translation>
    </message>
    <message id="PV range: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV 量程：%s</numerusform>
        </translation>
    </message>
    <message id="The device's whole configuration will be overwritten with the file's.">
        <source></source>
        <translation>设备的全部组态将被该文件的组态覆盖。</translation>
    </message>
    <message id="%s cannot be written into a device: %s." numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s 无法写入设备：%s。</numerusform>
        </translation>
    </message>
    <message id="Nothing was sent.">
        <source></source>
        <translation>未发送任何数据。</translation>
    </message>
    <message id="The device at station number %d is %s, not %s." numerus="yes">
        <source></source>
        <translation>
            <numerusform>站号 %d 的设备是 %s，不是 %s。</numerusform>
        </translation>
    </message>
    <message id="Nothing was read.">
        <source></source>
        <translation>未读取任何数据。</translation>
    </message>
    <message id="%1 newest that contain %2 shown (of %3)">
        <source></source>
        <translation>显示包含 %2 的最新 %1（共 %3）</translation>
    </message>
    <message id="%1 of %2 contain %3">
        <source></source>
        <translation>%2 中有 %1 包含 %3</translation>
    </message>
    <message id="Cancel the thermal compensation of %s?" numerus="yes">
        <source></source>
        <translation>
            <numerusform>取消 %s 的温度补偿？</numerusform>
        </translation>
    </message>
    <message id="The device's factory thermal compensation (%d temperature points) will be overwritten. Its present values are kept in %s first, so that %s can put them back." numerus="yes">
        <source></source>
        <translation>
            <numerusform>设备的出厂温度补偿（%d 个温度点）将被覆盖。其当前数值会先保存到 %s，以便用 %s 恢复。</numerusform>
        </translation>
    </message>
    <message id="Restore the thermal compensation of %s from %s?" numerus="yes">
        <source></source>
        <translation>
            <numerusform>恢复 %s 的温度补偿（从 %s）？</numerusform>
        </translation>
    </message>
    <message id="The device's present thermal compensation (%d temperature points) will be overwritten." numerus="yes">
        <source></source>
        <translation>
            <numerusform>设备当前的温度补偿（%d 个温度点）将被覆盖。</numerusform>
        </translation>
    </message>
    <message id="Room Temprt %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>室温 %d</numerusform>
        </translation>
    </message>
    <message id="Uncertainty unit">
        <source></source>
        <translation>不确定度单位</translation>
    </message>
    <message id="%s of %s in %s: %d of %d points read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s（%s，%s）：已读取 %d / %d 个点</numerusform>
        </translation>
    </message>
    <message id=", reading...">
        <source></source>
        <translation>，正在读取...</translation>
    </message>
    <message id=": ">
        <source></source>
        <translation>：</translation>
    </message>
    <message id="not run">
        <source></source>
        <translation>未运行</translation>
    </message>
    <message id="%d of %d points read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>已读取 %d / %d 个点</numerusform>
        </translation>
    </message>
    <message id=" - largest errors PV %s %%, loop current %s %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform> - 最大误差 PV %s %%，回路电流 %s %% 量程</numerusform>
        </translation>
    </message>
    <message id="; hysteresis PV %.3f %%, loop current %.3f %%" numerus="yes">
        <source></source>
        <translation>
            <numerusform>；回差 PV %.3f %%，回路电流 %.3f %%</numerusform>
        </translation>
    </message>
    <message id="INCOMPLETE">
        <source></source>
        <translation>未完成</translation>
    </message>
    <message id="simple acceptance">
        <source></source>
        <translation>简单判定</translation>
    </message>
    <message id="guarded by the reference uncertainty (%s %% of span)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>按标准器不确定度保护判定（%s %% 量程）</numerusform>
        </translation>
    </message>
    <message id="%s %% of span (k = 2)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s %% 量程（k = 2）</numerusform>
        </translation>
    </message>
    <message id="%s %s (k = 2), %s %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s %s（k = 2），%s %% 量程</numerusform>
        </translation>
    </message>
    <message id="PV ±%s %% of span, loop current ±%s %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV ±%s %% 量程，回路电流 ±%s %% 量程</numerusform>
        </translation>
    </message>
    <message id="Calibration Certificate">
        <source></source>
        <translation>校准证书</translation>
    </message>
    <message id="Pressure transmitter checked against a reference, as found and as left">
        <source></source>
        <translation>压力变送器对照标准器检查（校前与校后）</translation>
    </message>
    <message id="No. %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>编号 %s</numerusform>
        </translation>
    </message>
    <message id="Issued %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>签发于 %s</numerusform>
        </translation>
    </message>
    <message id="comparison with the reference at %d points, %d rising and %d falling" numerus="yes">
        <source></source>
        <translation>
            <numerusform>在 %d 个点与标准器比对，上行 %d 个，下行 %d 个</numerusform>
        </translation>
    </message>
    <message id="%s %% of range" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s %% 量程</numerusform>
        </translation>
    </message>
    <message id="±%s %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform>±%s %% 量程</numerusform>
        </translation>
    </message>
    <message id="±%s %% of span (16 mA)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>±%s %% 量程（16 mA）</numerusform>
        </translation>
    </message>
    <message id="%s °C, %s %% relative humidity" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s °C，相对湿度 %s %%</numerusform>
        </translation>
    </message>
    <message id="Device">
        <source></source>
        <translation>设备</translation>
    </message>
    <message id="Method, reference and ambient">
        <source></source>
        <translation>方法、标准器与环境</translation>
    </message>
    <message id="none (no point read both ways)">
        <source></source>
        <translation>无（没有双向读取的点）</translation>
    </message>
    <message id="PV %s, loop current %s %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV %s，回路电流 %s %% 量程</numerusform>
        </translation>
    </message>
    <message id="not adjusted: the as-found result stands">
        <source></source>
        <translation>未调整：以校前结果为准</translation>
    </message>
    <message id="largest error PV %s %%, current %s %%" numerus="yes">
        <source></source>
        <translation>
            <numerusform>最大误差 PV %s %%，电流 %s %%</numerusform>
        </translation>
    </message>
    <message id="±%s %% of span for the PV and the loop current" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV 与回路电流均为 ±%s %% 量程</numerusform>
        </translation>
    </message>
    <message id="Tolerance %s; %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>允差 %s；%s</numerusform>
        </translation>
    </message>
    <message id=", PV range %s, %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>，PV 量程 %s，%s</numerusform>
        </translation>
    </message>
    <message id="↑ approached rising, ↓ approached falling; errors positive when the reading is high.">
        <source></source>
        <translation>↑ 上行趋近，↓ 下行趋近；读数偏高时误差为正。</translation>
    </message>
    <message id="The device was not adjusted: the as-found readings stand as left.">
        <source></source>
        <translation>设备未调整：校前读数即为校后读数。</translation>
    </message>
    <message id="PV error against input, both runs, with the tolerance band">
        <source></source>
        <translation>PV 误差与输入的关系（两次检查，含允差带）</translation>
    </message>
    <message id="tolerance +%s %%" numerus="yes">
        <source></source>
        <translation>
            <numerusform>允差 +%s %%</numerusform>
        </translation>
    </message>
    <message id="tolerance -%s %%" numerus="yes">
        <source></source>
        <translation>
            <numerusform>允差 -%s %%</numerusform>
        </translation>
    </message>
    <message id="input (% of range)">
        <source></source>
        <translation>输入（% 量程）</translation>
    </message>
    <message id="PV error (% of span)">
        <source></source>
        <translation>PV 误差（% 量程）</translation>
    </message>
    <message id="guarded limit ±%s %%" numerus="yes">
        <source></source>
        <translation>
            <numerusform>保护限 ±%s %%</numerusform>
        </translation>
    </message>
    <message id="Signatures">
        <source></source>
        <translation>签名</translation>
    </message>
    <message id="name">
        <source></source>
        <translation>姓名</translation>
    </message>
    <message id="signature">
        <source></source>
        <translation>签名</translation>
    </message>
    <message id="date">
        <source></source>
        <translation>日期</translation>
    </message>
    <message id="Station %s, issued %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>工作站 %s，签发于 %s</numerusform>
        </translation>
    </message>
    <message id=" by %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>，由 %s 生成</numerusform>
        </translation>
    </message>
    <message id="Calibration certificate %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>校准证书 %s</numerusform>
        </translation>
    </message>
    <message id=", tag %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>，位号 %s</numerusform>
        </translation>
    </message>
    <message id=", station %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>，工作站 %s</numerusform>
        </translation>
    </message>
    <message id="page %d of %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>第 %d 页，共 %d 页</numerusform>
        </translation>
    </message>
    <message id="%d：">
        <source></source>
        <translation>%d：</translation>
    </message>
    <message id="Temperature Diodes errors : %d">
        <source></source>
        <translation>温度二极管错误：%d</translation>
    </message>
    <message id="AD count of point %d out of range">
        <source></source>
        <translation>第 %d 点的 AD 值超出范围</translation>
    </message>
    <message id="Test points: %s">
        <source></source>
        <translation>测试点：%s</translation>
    </message>
    <message id="Calibration due: the reference standard was due for calibration on %s and may not be used for a check.">
        <source></source>
        <translation>校准到期：标准器应于 %s 校准，不能用于检查。</translation>
    </message>
    <message id="The readings at %s did not settle within %d s: four in a row must agree within %.4f %s and %.4f mA. The point is not read; hold the pressure steady and read it again.">
        <source></source>
        <translation>%s 处的读数在 %d s 内未稳定：连续四次读数须在 %.4f %s 和 %.4f mA 以内一致。该点未读取；请保持压力稳定后重新读取。</translation>
    </message>
    <message id="The reference reading at %s is not a number: %s">
        <source></source>
        <translation>%s 处的标准器读数不是数字：%s</translation>
    </message>
    <message id="Certificate saved: %s">
        <source></source>
        <translation>证书已保存：%s</translation>
    </message>
    <message id="This run has more samples than are kept. The file holds the last %lld; the %lld before them were dropped.">
        <source></source>
        <translation>本次运行的采样数超过了保留上限。文件中保存了最后 %lld 个，之前的 %lld 个已丢弃。</translation>
    </message>
    <message id="Device History cannot be shown: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>无法显示设备历史：%s</numerusform>
        </translation>
    </message>
    <message id="Download complete: %d blocks written to %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>下载完成：%d 块已写入 %s</numerusform>
        </translation>
    </message>
    <message id="Compare - %1">
        <source></source>
        <translation>比较 - %1</translation>
    </message>
    <message id="Reading the device's uploads and downloads...">
        <source></source>
        <translation>正在读取设备的上传和下载记录...</translation>
    </message>
    <message id="Choose an image">
        <source></source>
        <translation>选择组态映像</translation>
    </message>
    <message id="The records cannot be read: %1">
        <source></source>
        <translation>无法读取记录：%1</translation>
    </message>
    <message id="Reading the device...">
        <source></source>
        <translation>正在读取设备...</translation>
    </message>
    <message id="The device was not read">
        <source></source>
        <translation>未读取设备</translation>
    </message>
    <message id="Reading the image...">
        <source></source>
        <translation>正在读取组态映像...</translation>
    </message>
    <message id="Choose an image on each side">
        <source></source>
        <translation>请在两侧各选择一个组态映像</translation>
    </message>
    <message id="Asking address %1 ...">
        <source></source>
        <translation>正在询问地址 %1 ...</translation>
    </message>
    <message id="largest errors: PV %s, loop current %s %% of span; hysteresis: " numerus="yes">
        <source></source>
        <translation>
            <numerusform>最大误差：PV %s，回路电流 %s %% 量程；回差：</numerusform>
        </translation>
    </message>
    <message id="Could not save %1: %2">
        <source></source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message id="PV error&#xa;% of span">
        <source></source>
        <translation>PV 误差
% 量程</translation>
    </message>
    <message id="Expected&#xa;mA">
        <source></source>
        <translation>期望值
mA</translation>
    </message>
    <message id="Measured&#xa;mA">
        <source></source>
        <translation>测量值
mA</translation>
    </message>
    <message id="mA error&#xa;% of span">
        <source></source>
        <translation>mA 误差
% 量程</translation>
    </message>
    <message id="a new run was started">
        <source></source>
        <translation>开始了新的检查</translation>
    </message>
    <message id="Stopped">
        <source></source>
        <translation>已停止</translation>
    </message>
    <message id="the page was left">
        <source></source>
        <translation>离开了该页面</translation>
    </message>
    <message id="INCOMPLETE: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>未完成：%s</numerusform>
        </translation>
    </message>
    <message id="The as-found run was interrupted (%s) and is incomplete: run it again before saving a certificate.">
        <source></source>
        <translation>校前检查被中断（%s），未完成：请重新检查后再保存证书。</translation>
    </message>
    <message id="The as-found run is not finished: %d of %d points are not read.">
        <source></source>
        <translation>校前检查未完成：%d / %d 个点未读取。</translation>
    </message>
    <message id="The as-left run was interrupted (%s) and is incomplete: run it again before saving a certificate.">
        <source></source>
        <translation>校后检查被中断（%s），未完成：请重新检查后再保存证书。</translation>
    </message>
    <message id="The as-left run is not finished: %d of %d points are not read.">
        <source></source>
        <translation>校后检查未完成：%d / %d 个点未读取。</translation>
    </message>
    <message id="The as-found run was made on device %s and the as-left run on device %s: one certificate is for one device." numerus="yes">
        <source></source>
        <translation>
            <numerusform>校前检查在设备 %s 上进行，校后检查在设备 %s 上进行：一份证书只对应一台设备。</numerusform>
        </translation>
    </message>
    <message id="The as-found and as-left runs were made with different tolerances, decision rules or reference uncertainties: run the as-left check again with the as-found set-up.">
        <source></source>
        <translation>校前与校后检查的允差、判定规则或标准器不确定度不同：请按校前设置重新进行校后检查。</translation>
    </message>
    <message id="The certificate cannot be saved: %s." numerus="yes">
        <source></source>
        <translation>
            <numerusform>无法保存证书：%s。</numerusform>
        </translation>
    </message>
    <message id="PV out of limits">
        <source></source>
        <translation>主变量超限</translation>
    </message>
    <message id="Non-PV out of limits">
        <source></source>
        <translation>非主变量超限</translation>
    </message>
    <message id="Loop current saturated">
        <source></source>
        <translation>回路电流饱和</translation>
    </message>
    <message id="Loop current fixed">
        <source></source>
        <translation>回路电流固定</translation>
    </message>
    <message id="More status available">
        <source></source>
        <translation>有更多状态信息</translation>
    </message>
    <message id="Cold start">
        <source></source>
        <translation>冷启动</translation>
    </message>
    <message id="Configuration changed">
        <source></source>
        <translation>组态已更改</translation>
    </message>
    <message id="Field device malfunction">
        <source></source>
        <translation>现场设备故障</translation>
    </message>
    <message id="20.8 mA">
        <source></source>
        <translation>20.8 mA</translation>
    </message>
    <message id="3.8 mA">
        <source></source>
        <translation>3.8 mA</translation>
    </message>
    <message id="saturated">
        <source></source>
        <translation>饱和</translation>
    </message>
    <message id="point %d: '%s' is not a number" numerus="yes">
        <source></source>
        <translation>
            <numerusform>第 %d 个点：“%s”不是数字</numerusform>
        </translation>
    </message>
    <message id="no points; a check takes %d to %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>没有测试点；一次检查需要 %d 到 %d 个点</numerusform>
        </translation>
    </message>
    <message id="1 point; a check takes %d to %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>只有 1 个点；一次检查需要 %d 到 %d 个点</numerusform>
        </translation>
    </message>
    <message id="%d points; a check takes %d to %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%d 个点；一次检查需要 %d 到 %d 个点</numerusform>
        </translation>
    </message>
    <message id="the PV range %s is not a pair of numbers">
        <source></source>
        <translation>主变量量程 %s 不是一对数值</translation>
    </message>
    <message id="the PV range %s has no span">
        <source></source>
        <translation>主变量量程 %s 的跨度为零</translation>
    </message>
    <message id="%s: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s：%s</numerusform>
        </translation>
    </message>
    <message id="the %s run is incomplete: 1 of 1 point is not read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s检查未完成：1 个点未读取（共 1 个）</numerusform>
        </translation>
    </message>
    <message id="the %s run is incomplete: 1 of %d points is not read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s检查未完成：有 1 个点未读取（共 %d 个）</numerusform>
        </translation>
    </message>
    <message id="the %s run is incomplete: %d of %d points are not read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s检查未完成：有 %d 个点未读取（共 %d 个）</numerusform>
        </translation>
    </message>
    <message id="the certificate has no number">
        <source></source>
        <translation>证书没有编号</translation>
    </message>
    <message id="there is no as-found run">
        <source></source>
        <translation>没有校前检查</translation>
    </message>
    <message id="as-found">
        <source></source>
        <translation>校前</translation>
    </message>
    <message id="as-left">
        <source></source>
        <translation>校后</translation>
    </message>
    <message id="station">
        <source></source>
        <translation>工作站</translation>
    </message>
    <message id="user">
        <source></source>
        <translation>用户</translation>
    </message>
    <message id="device">
        <source></source>
        <translation>设备</translation>
    </message>
    <message id="tag">
        <source></source>
        <translation>位号</translation>
    </message>
    <message id="operation">
        <source></source>
        <translation>操作</translation>
    </message>
    <message id="detail">
        <source></source>
        <translation>详情</translation>
    </message>
    <message id="The check cannot start: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>检查无法开始：%s</numerusform>
        </translation>
    </message>
    <message id="The device gives its sensor limits in %s and its PV range in %s: the test points cannot be checked against the sensor limits." numerus="yes">
        <source></source>
        <translation>
            <numerusform>设备的传感器限值单位为 %s，主变量量程单位为 %s：无法按传感器限值核对测试点。</numerusform>
        </translation>
    </message>
    <message id=" and ">
        <source></source>
        <translation> 和 </translation>
    </message>
    <message id=", ">
        <source></source>
        <translation>、</translation>
    </message>
    <message id="%s lies outside the sensor limits %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s 超出传感器限值 %s</numerusform>
        </translation>
    </message>
    <message id="%s lie outside the sensor limits %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s 超出传感器限值 %s</numerusform>
        </translation>
    </message>
    <message id="%d test points; a check takes %d to %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%d 个测试点；一次检查需要 %d 到 %d 个</numerusform>
        </translation>
    </message>
    <message id="the tolerances must be above 0 % of span">
        <source></source>
        <translation>容差必须大于 0 % 量程</translation>
    </message>
    <message id="the reference's uncertainty is in %s but the device's PV is in %s: type it again in %s or in %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform>标准器的不确定度单位为 %s，而设备的主变量单位为 %s：请以 %s 或 %% 量程重新输入</numerusform>
        </translation>
    </message>
    <message id="the reference's uncertainty is not a number">
        <source></source>
        <translation>标准器的不确定度不是数字</translation>
    </message>
    <message id="the reference's uncertainty %s %% of span leaves no room in the tolerance %s %% of span: no point could pass the guarded rule" numerus="yes">
        <source></source>
        <translation>
            <numerusform>标准器的不确定度 %s %% 量程使容差 %s %% 量程没有余量：按保护规则没有任何点能够通过</numerusform>
        </translation>
    </message>
    <message id="device status: no bit set">
        <source></source>
        <translation>正常</translation>
    </message>
</context>
</TS>
